#!/usr/bin/env python3
"""Reference update server for Vastrel (Python standard library only).

Answers the two requests the program makes:

  GET /vastrel/checkupdate            -> the configured answer, as plain text
  GET /vastrel/fedback?msg=..&email=.. -> logs the decoded message and mail
                                         address to stdout, answers "OK"

The answer to the update check follows the program's rules: a body that
contains the program's version means "up to date"; otherwise "<version>##<url>"
announces another version and its download page; anything else reads as
"server under maintenance".

Usage:
  python3 tools/update-server.py [--port 8080] [--bind 127.0.0.1]
                                 [--answer "2.0.1##https://example.org/vastrel"]

Point the program at it with VASTREL_UPDATE_HOST=127.0.0.1:8080.
"""

import argparse
import http.server
import sys
import urllib.parse


def make_handler(answer):
    class Handler(http.server.BaseHTTPRequestHandler):
        server_version = "VastrelUpdateServer/1"

        def send_text(self, status, text):
            body = text.encode("utf-8")
            self.send_response(status)
            self.send_header("Content-Type", "text/plain; charset=utf-8")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def do_GET(self):
            target = urllib.parse.urlsplit(self.path)
            if target.path == "/vastrel/checkupdate":
                self.send_text(200, answer)
            elif target.path == "/vastrel/fedback":
                # Every field is percent-encoded UTF-8; "+" is sent as %2B,
                # so it is not read as a blank here either.
                fields = urllib.parse.parse_qs(target.query, keep_blank_values=True)
                msg = fields.get("msg", [""])[0]
                email = fields.get("email", [""])[0]
                print(f"feedback from {email!r}: {msg!r}", flush=True)
                self.send_text(200, "OK")
            else:
                self.send_text(404, "not found")

        def log_message(self, fmt, *args):
            sys.stderr.write("%s %s\n" % (self.address_string(), fmt % args))

    return Handler


def main():
    parser = argparse.ArgumentParser(description="Reference update server for Vastrel.")
    parser.add_argument("--port", type=int, default=8080, help="port to listen on (default 8080)")
    parser.add_argument("--bind", default="127.0.0.1", help="address to listen on (default 127.0.0.1)")
    parser.add_argument("--answer", default="2.0.0",
                        help='answer to the update check, e.g. "2.0.1##https://example.org/vastrel" '
                             '(default "2.0.0": up to date)')
    args = parser.parse_args()

    server = http.server.ThreadingHTTPServer((args.bind, args.port), make_handler(args.answer))
    print(f"Vastrel update server on http://{args.bind}:{args.port}/ answering {args.answer!r}",
          flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
