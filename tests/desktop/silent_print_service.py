#!/usr/bin/env python3
"""A print service that accepts connections and never answers, as a hung or unreachable print
server on an office network does. Listens on the Unix socket given, holds every connection open
and reads nothing, until it is killed.

    silent_print_service.py SOCKET_PATH"""
import os
import socket
import sys

path = sys.argv[1]
if os.path.exists(path):
    os.unlink(path)
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(path)
server.listen(64)
held = []
while True:
    connection, _ = server.accept()
    held.append(connection)
