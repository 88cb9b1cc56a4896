#!/usr/bin/python3
"""An FTP server that requires TLS on both channels, on 127.0.0.1, for the upload tests.

Usage: ftps_server.py PORT FOLDER USER PASSWORD CERTIFICATE KEY
"""
import errno
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer


class EarlyHandshakeDTPHandler(TLS_DTPHandler):
    """Takes a data connection whose TLS handshake starts before the transfer command, as libcurl's does:
    pyftpdlib would take the early handshake for a closed connection."""

    no_room = False

    def readable(self):
        if self._ssl_accepting:
            return True
        return super().readable()

    def handle_read(self):
        # A full disk is answered as FTP servers answer it, 452 on the control connection; the rest of the
        # photo is read and dropped, so the client hears that answer instead of a reset connection.
        try:
            super().handle_read()
        except Exception as error:  # pyftpdlib wraps the write's OSError
            if not is_no_room(error):
                raise
            self._data_wrapper = lambda chunk: b""
            self.no_room = True

    handle_read_event = handle_read  # pyftpdlib calls the read handler under this name

    def close(self):
        if not self._closed and self.receive and self.file_obj is not None and not self.file_obj.closed:
            try:
                self.file_obj.close()  # its last flush may be the write that finds the disk full
            except OSError as error:
                if not is_no_room(error):
                    raise
                self.no_room = True
        if self.no_room:
            self._resp = ("452 No space left on device; transfer aborted.", logging.warning)
        super().close()


def is_no_room(error):
    if error.args and isinstance(error.args[0], OSError):
        error = error.args[0]
    return isinstance(error, OSError) and error.errno == errno.ENOSPC


def main():
    port, folder, user, password, certificate, key = sys.argv[1:7]
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, folder, perm="elradfmwMT")
    handler = TLS_FTPHandler
    handler.certfile = certificate
    handler.keyfile = key
    handler.tls_control_required = True
    handler.tls_data_required = True
    handler.dtp_handler = EarlyHandshakeDTPHandler
    handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", int(port)), handler)
    server.serve_forever()


if __name__ == "__main__":
    main()
