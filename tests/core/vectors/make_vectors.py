#!/usr/bin/env python3
"""Writes the reference vectors for the core tests from an independent model of the number text
rules, built on Python's correctly rounded float() and '%.14e' and on exact decimal arithmetic.

Run from anywhere: python3 tests/core/vectors/make_vectors.py. The output is deterministic."""
import os
import random
import re
import struct
from decimal import Decimal, ROUND_HALF_UP, getcontext

getcontext().prec = 1000

HERE = os.path.dirname(os.path.abspath(__file__))
rng = random.Random(20261208)

GRAMMAR = re.compile(r'^ *([+-]?)(\d+\.?\d*|\.\d+)(?:[eE]([+-]?)(\d*))?([+-]?) *$')


def read_double(text):
    m = GRAMMAR.match(text)
    if not m or (m.group(1) and m.group(5)):
        return 'Unreadable'
    mantissa = m.group(2)
    exponent = int((m.group(3) or '') + m.group(4)) if m.group(4) else 0
    value = float(mantissa + 'e' + str(exponent)) if abs(exponent) < 100000 else (
        float('inf') if exponent > 0 and mantissa.strip('0.') else 0.0)
    if value == float('inf'):
        return 'Overflow'
    return -value if '-' in (m.group(1) + m.group(5)) else value


def to_single(x):
    try:
        return struct.unpack('<f', struct.pack('<f', x))[0]
    except OverflowError:
        return None


def digits(x, n):
    mant, exp = ('%.*e' % (n - 1, abs(x))).split('e')
    return (mant[0] + mant[2:]), int(exp)


def round_to_pattern(x, n):
    d, e = digits(x, 15)
    q = Decimal(d[0] + '.' + d[1:]).scaleb(e).quantize(Decimal(1).scaleb(-n), rounding=ROUND_HALF_UP)
    text = format(q, 'f')
    return ('-' + text) if x < 0 and q != 0 else text


def display_text(x, n, top):
    if x == 0:
        return '0'
    d, e = digits(x, n)
    d = d.rstrip('0')
    if -4 <= e <= top:
        text = format(Decimal(d[0] + '.' + d[1:]).scaleb(e), 'f')
        if '.' in text:
            text = text.rstrip('0').rstrip('.')
    else:
        text = d[0] + ('.' + d[1:] if len(d) > 1 else '') + 'E' + ('-' if e < 0 else '+') + '%02d' % abs(e)
    return ('-' if x < 0 else '') + text


def bits64(x):
    return '%016x' % struct.unpack('<Q', struct.pack('<d', x))[0]


def bits32(x):
    return '%08x' % struct.unpack('<I', struct.pack('<f', x))[0]


def random_double():
    while True:
        x = struct.unpack('<d', struct.pack('<Q', rng.getrandbits(64)))[0]
        if x == x and abs(x) != float('inf'):
            return x


def everyday_double():
    kind = rng.randrange(4)
    if kind == 0:  # ties and near ties at some place
        text = str(rng.randrange(1, 10 ** rng.randrange(1, 16))) + '5e' + str(rng.randrange(-14, 18))
        return float(text) * rng.choice([1, -1])
    if kind == 1:
        return rng.uniform(-1e6, 1e6)
    if kind == 2:
        return rng.choice([1, -1]) * 10 ** rng.uniform(-12, 22)
    return float(rng.randrange(-10 ** 17, 10 ** 17))


def random_text():
    pieces = []
    pieces.append(' ' * rng.choice([0, 0, 0, 1, 2]))
    lead = rng.choice(['', '', '', '-', '+'])
    pieces.append(lead)
    intpart = ''.join(rng.choice('0123456789') for _ in range(rng.choice([0, 1, 2, 3, 5, 8, 15, 17, 20, 40, 330])))
    frac = ''.join(rng.choice('0123456789') for _ in range(rng.choice([0, 0, 1, 2, 5, 9, 16, 25, 400])))
    point = rng.choice(['.', '.', ''])
    pieces.append(intpart + (point + frac if point else frac if not intpart else ''))
    if rng.random() < 0.4:
        pieces.append(rng.choice('eE') + rng.choice(['', '+', '-']) +
                      rng.choice(['', str(rng.randrange(0, 30)), str(rng.randrange(250, 400)), str(rng.randrange(0, 10 ** 6))]))
    if not lead and rng.random() < 0.2:
        pieces.append(rng.choice('+-'))
    pieces.append(' ' * rng.choice([0, 0, 0, 1]))
    if rng.random() < 0.08:  # noise: a stray character somewhere
        text = ''.join(pieces)
        at = rng.randrange(len(text) + 1)
        return text[:at] + rng.choice('.,-+eEa x') + text[at:]
    return ''.join(pieces)


TABLES = [  # Length, Time, Mass, Area: units per base unit
    [1.0936133, 1, 100, 1000, 1000000, 1000000000, 0.000621371, 3.2808399, 39.3700787],
    [1 / 31556926.0, 1 / 604800.0, 1 / 2629743.83, 1 / 86400.0, 1 / 3600.0, 1 / 60.0, 1.0,
     1 / 0.001, 1 / 0.000000001],
    [0.000984206528, 0.00110231131, 0.001, 2.20462262, 35.2739619, 1, 1000, 1000000, 5000],
    [0.000247104393, 0.00010000000121406, 0.000001, 1.1959900460898, 1, 10.763910560681,
     1550.0030998884, 10000, 1000000],
]
DECIMALS = [7, 9, 8, 9]


def fill(category, active, text):
    """The eight texts of a panel fill, or the name of its failure."""
    source = read_double(text)
    if isinstance(source, str):
        return source
    table = TABLES[category]
    texts = []
    for i in range(9):
        if i == active:
            texts.append('')
            continue
        q = 1 / table[active]
        q = q * table[i]
        q = q * source
        if q in (float('inf'), float('-inf')):
            return 'Overflow'
        rounded = float(round_to_pattern(q, DECIMALS[category]))
        if rounded in (float('inf'), float('-inf')):
            return 'Overflow'
        texts.append(display_text(rounded, 15, 14))
    return texts


def write(name, rows):
    with open(os.path.join(HERE, name), 'w', newline='\n') as f:
        for row in rows:
            f.write('\t'.join(row) + '\n')


def main():
    rows = []
    for _ in range(6000):
        text = random_text()
        value = read_double(text)
        rows.append([text, value if isinstance(value, str) else bits64(value)])
    write('read_double.tsv', rows)

    rows = []
    for k in range(6000):
        x = random_double() if k % 3 == 0 else everyday_double()
        n = rng.choice([7, 8, 9])
        rows.append([bits64(x), str(n), round_to_pattern(x, n)])
    write('round_to_pattern.tsv', rows)

    rows = []
    for k in range(6000):
        x = random_double() if k % 2 == 0 else everyday_double()
        rows.append([bits64(x), display_text(x, 15, 14)])
    write('double_text.tsv', rows)

    rows = []
    for _ in range(4000):
        while True:
            f = struct.unpack('<f', struct.pack('<I', rng.getrandbits(32)))[0]
            if f == f and abs(f) != float('inf'):
                break
        rows.append([bits32(f), display_text(f, 7, 6)])
    write('single_text.tsv', rows)

    rows = []
    for k in range(3000):
        text = random_text() if k % 2 else '%.*g' % (rng.randrange(1, 12), rng.choice([1, -1]) * 10 ** rng.uniform(-50, 40))
        value = read_double(text)
        single = value if isinstance(value, str) else to_single(value)
        rows.append([text, 'Overflow' if single is None else single if isinstance(single, str) else bits32(single)])
    write('read_single.tsv', rows)

    rows = []
    for k in range(3000):
        category = rng.randrange(4)
        active = rng.randrange(9)
        if k % 10 == 0:
            text = random_text()
        elif k % 10 == 1:
            text = '%.5fe%d' % (rng.uniform(1, 10), rng.randrange(280, 310))
        else:
            text = '%.*f' % (rng.randrange(0, 6), rng.choice([1, 1, 1, -1]) * 10 ** rng.uniform(-6, 12))
        result = fill(category, active, text)
        rows.append([str(category), str(active), text] + ([result] if isinstance(result, str) else result))
    write('fill.tsv', rows)

    formulas = {
        'CelsiusToFahrenheit': lambda x: x * 1.8 + 32.0,
        'KelvinToFahrenheit': lambda x: (x - 273.15) * 1.8 + 32.0,
        'CelsiusToKelvin': lambda x: x + 273.15,
        'FahrenheitToCelsius': lambda x: (x - 32.0) / 1.8,
        'KelvinToCelsius': lambda x: x - 273.15,
        'FahrenheitToKelvin': lambda x: (x - 32.0) / 1.8 + 273.15,
    }
    rows = []
    for k in range(3000):
        name = rng.choice(sorted(formulas))
        if k % 3 == 0:
            text = '%.*f' % (rng.randrange(0, 4), rng.uniform(-500, 1000))
        elif k % 3 == 1:
            text = '%.6g' % (rng.choice([1, -1]) * 10 ** rng.uniform(-8, 38.6))
        else:
            text = str(rng.randrange(-1000, 1000))
        x = to_single(float(text))
        if x is None:
            continue
        y = to_single(formulas[name](x))
        rows.append([name, bits32(x), 'Overflow' if y is None else bits32(y)])
    write('temperature.tsv', rows)


if __name__ == '__main__':
    main()
