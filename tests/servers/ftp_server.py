#!/usr/bin/python3
"""Loopback FTP server for the upload tests and benchmarks.

Usage: ftp_server.py <home folder> <user> <password>
Listens on 127.0.0.1 at a free port (passive mode) and prints the port on
its first line of output. Needs Debian's python3-pyftpdlib.
"""
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def exit_with_parent():
    """Ends the server when the test that started it is gone (stdin closes)."""
    sys.stdin.read()
    os._exit(0)


def main():
    home, user, password = sys.argv[1:4]
    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, home, perm="elradfmw")
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.passive_ports = None
    # Answer a refused login at once; the tests need no brake on guessing.
    handler.auth_failed_timeout = 0
    server = FTPServer(("127.0.0.1", 0), handler)
    print(server.address[1], flush=True)
    threading.Thread(target=exit_with_parent, daemon=True).start()
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    main()
