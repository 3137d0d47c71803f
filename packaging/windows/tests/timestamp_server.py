"""An RFC 3161 timestamp server on this machine's loopback, for the signing test: it answers
each query with OpenSSL's own timestamp authority (openssl ts -reply), as configured in the
file given. It prints the port it listens on, then serves until it is ended.

usage: timestamp_server.py CONFIG
"""
import http.server
import pathlib
import subprocess
import sys
import tempfile

CONFIG = sys.argv[1]


class TimestampAuthority(http.server.BaseHTTPRequestHandler):
    def do_POST(self):  # noqa: N802, the name http.server calls
        query = self.rfile.read(int(self.headers["Content-Length"]))
        with tempfile.TemporaryDirectory() as work:
            query_file = pathlib.Path(work, "query")
            reply_file = pathlib.Path(work, "reply")
            query_file.write_bytes(query)
            subprocess.run(["openssl", "ts", "-reply", "-config", CONFIG, "-queryfile",
                            str(query_file), "-out", str(reply_file)],
                           check=True, capture_output=True)
            reply = reply_file.read_bytes()
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)

    def log_message(self, *arguments):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), TimestampAuthority)
print(server.server_address[1], flush=True)
server.serve_forever()
