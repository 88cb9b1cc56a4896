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

    def readable(self):
        if self._ssl_accepting:
            return True
        return super().readable()

    def handle_error(self):
        # pyftpdlib's TLS classes log a failed write instead of answering it; a full disk is answered as
        # FTP servers answer it.
        error = sys.exc_info()[1]
        if error is not None and error.args and isinstance(error.args[0], OSError):
            error = error.args[0]  # pyftpdlib wraps the write's error
        if not isinstance(error, OSError) or error.errno != errno.ENOSPC:
            super().handle_error()
            return
        try:
            self.file_obj.close()  # its last flush fails the same way
        except OSError:
            pass
        self._resp = ("452 No space left on device; transfer aborted.", logging.warning)
        self.close()


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
