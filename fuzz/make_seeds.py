#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets from the edge cases of the number text rules."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

TEXTS = ["0", "5.", ".5", "007", " 12 ", "5-", "-5", "+5", "1E-05", "1.23456789012346E+15",
         "1" + "0" * 309, "", ".", "-", "-.", "1.2.3", "1-2", "--5", "abc", "5a", "1E", "1E-",
         "1e400", "1e-400", "98.6", "3.4028235e38", "1,5", "1 2", "1E-05.", "4.9406564584124654e-324",
         "179769313486232" + "0" * 294 + ".0000000", "0." + "0" * 320 + "1", "\u00b5m=", "1e5"]
DOUBLES = [0.0, -0.0, 1.0936133, 100.0, 0.000621371, 5e-08, 4.999e-08, 1e20, 1550.0030998884,
           1e-06, 123456789.123456789, 0.0001, 1e-05, 1.1574e-05, 999999999999999.0, 1e15,
           1234567890123456.0, 1 / 3, 2 / 3, 0.1 + 0.2, -0.5, 1.7976931348623157e308,
           5e-324, 0.9143999986101121, 3.0000000000000004, 3.168876461541279e-08]
SINGLES = [32.0, 273.149993896484375, 98.59999847412109375, -459.670013427734375,
           255.372222900390625, 1234567.0, 12345678.0, 1e7, 9.999999747378752e-05, 6.1035157e-06]


def write(folder, name, data):
    path = os.path.join(HERE, 'corpus', folder)
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, name), 'wb') as f:
        f.write(data)


def main():
    for k, text in enumerate(TEXTS):
        write('read', 'seed%02d' % k, text.encode('utf-8'))
        write('fill', 'seed%02d' % k, bytes([k % 36]) + text.encode('utf-8'))
    for k, x in enumerate(DOUBLES):
        write('text', 'seed%02d' % k, struct.pack('<d', x) + struct.pack('<f', SINGLES[k % len(SINGLES)]))


if __name__ == '__main__':
    main()
