#!/usr/bin/python3
"""The download server of the tests and the demo: pyftpdlib on a loopback port.

Usage: ftp_server.py --root ROOT [--port N] [--cut-after N] [--exit-after N] [--refuse-passive]
                     [--refuse-active] [--send-rate N] [--max-sessions N]
                     [--pwd-answer TEXT] [--command-log FILE] [--silent-after-data]

Serves ROOT to the account skarvel / 730518 (read and write). With --cut-after N, every
download is broken off after N bytes, as a server that drops the data connection. With
--exit-after N, the whole server is gone once a download has sent N bytes: the process ends at
once, both connections with it. With --refuse-passive, PASV and EPSV are refused, so only a
client in active mode can transfer; with --refuse-active, PORT and EPRT are refused. With
--send-rate N, downloads go out at N bytes a second, as over a slow line. With --max-sessions N,
the account may hold N sessions at once (a further login is refused with 421). With
--pwd-answer TEXT, PWD answers 257 "TEXT" wherever the session is, as a server that gives no
usable full path ("C:/ftp"). With --command-log FILE, every command a session receives is
appended to FILE as it arrived, one a line (a password as "PASS ****"). With
--silent-after-data, a session that has sent a file or a listing whole, or received an upload,
never sends its final reply ("226"), nor anything after it, as a server that stops after the
data. Prints
"listening on ADDRESS:PORT" once it accepts connections; stops on SIGTERM.
"""
import argparse
import logging
import os
import signal
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--address", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--cut-after", type=int, default=-1)
    parser.add_argument("--exit-after", type=int, default=-1)
    parser.add_argument("--refuse-passive", action="store_true")
    parser.add_argument("--refuse-active", action="store_true")
    parser.add_argument("--send-rate", type=int, default=0)
    parser.add_argument("--max-sessions", type=int, default=0)
    parser.add_argument("--pwd-answer")
    parser.add_argument("--command-log")
    parser.add_argument("--silent-after-data", action="store_true")
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_user("skarvel", "730518", args.root, perm="elradfmwMT")

    def offered(mode, refused, command):
        """The command's handler, refusing it when the mode is not offered."""
        def handle(self, line):
            if refused:
                return self.respond("502 %s mode is not offered here." % mode)
            return command(self, line)
        return handle

    class Handler(FTPHandler):
        ftp_PASV = offered("Passive", args.refuse_passive, FTPHandler.ftp_PASV)
        ftp_EPSV = offered("Passive", args.refuse_passive, FTPHandler.ftp_EPSV)
        ftp_PORT = offered("Active", args.refuse_active, FTPHandler.ftp_PORT)
        ftp_EPRT = offered("Active", args.refuse_active, FTPHandler.ftp_EPRT)

        def ftp_PWD(self, line):
            if args.pwd_answer is None:
                return FTPHandler.ftp_PWD(self, line)
            return self.respond('257 "%s" is the current directory.' % args.pwd_answer)

        silenced = False
        last_command = None

        def respond(self, resp, *rest, **named):
            if self.silenced:
                return None
            transfer = self.last_command in ("RETR", "STOR", "LIST", "NLST")
            if args.silent_after_data and transfer and resp.startswith("226"):
                self.silenced = True
                return None
            return FTPHandler.respond(self, resp, *rest, **named)

        def pre_process_command(self, line, cmd, arg):
            self.last_command = cmd
            if args.command_log:
                logged = "PASS ****" if cmd == "PASS" else line
                with open(args.command_log, "a", encoding="latin-1") as log:
                    log.write(logged + "\n")
            return FTPHandler.pre_process_command(self, line, cmd, arg)

    handler = Handler
    handler.authorizer = authorizer
    handler.banner = "Skarvel test download server ready."
    handler.passive_ports = None
    # After a large file went out through sendfile(), pyftpdlib was seen to leave later data
    # connections waiting; plain sends do not.
    handler.use_sendfile = False
    # A refused login answers at once rather than after pyftpdlib's usual pause.
    handler.auth_failed_timeout = 0.01
    # The server's names are bytes, as the design's server has them.
    handler.encoding = "latin-1"
    base_dtp_handler = DTPHandler
    if args.send_rate > 0:
        ThrottledDTPHandler.write_limit = args.send_rate
        base_dtp_handler = ThrottledDTPHandler
    handler.dtp_handler = base_dtp_handler
    if args.cut_after >= 0 or args.exit_after >= 0:
        limit = args.cut_after if args.cut_after >= 0 else args.exit_after

        class CuttingDTPHandler(base_dtp_handler):
            def send(self, data):
                sent = getattr(self, "_sent_so_far", 0)
                if sent >= limit:
                    if args.exit_after >= 0:
                        os._exit(3)
                    # As a server whose data connection broke: the control connection says so.
                    self.handle_close()
                    return 0
                data = data[: limit - sent]
                count = super().send(data)
                self._sent_so_far = sent + count
                return count
        handler.dtp_handler = CuttingDTPHandler
    logging.basicConfig(level=logging.CRITICAL)
    server = FTPServer((args.address, args.port), handler)
    if args.max_sessions > 0:
        server.max_cons_per_ip = args.max_sessions
    signal.signal(signal.SIGTERM, lambda *_: server.close_all())
    print("listening on %s:%d" % (args.address, server.address[1]), flush=True)
    try:
        server.serve_forever(handle_exit=False)
    except (KeyboardInterrupt, OSError):
        pass
    sys.exit(0)


if __name__ == "__main__":
    main()
