#!/usr/bin/env python3
"""Two local servers for the fetch tests, over one folder: plain HTTP and HTTPS (with the certificate and key
given). Prints "http PORT https PORT" once both listen. Besides the folder's files:
  /loop                       redirects to itself
  /to-https/REST              (HTTP) redirects to the HTTPS server's /REST
  /to-http/REST               (HTTPS) redirects to the HTTP server's /REST
  /typed/ANY?file=F&type=T    the folder's file F, sent as media type T
  /endless                    a body without Content-Length that never stops (until the client goes)
"""
import http.server
import os
import ssl
import sys
import threading
import urllib.parse

root, cert, key = sys.argv[1], sys.argv[2], sys.argv[3]
ports = {}


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=root, **kwargs)

    def log_message(self, *args):
        pass

    def redirect(self, location):
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        if url.path == "/loop":
            return self.redirect("/loop")
        if url.path.startswith("/to-https/"):
            return self.redirect("https://127.0.0.1:%d/%s" % (ports["https"], self.path[len("/to-https/"):]))
        if url.path.startswith("/to-http/"):
            return self.redirect("http://127.0.0.1:%d/%s" % (ports["http"], self.path[len("/to-http/"):]))
        if url.path.startswith("/typed/"):
            query = urllib.parse.parse_qs(url.query)
            with open(os.path.join(root, os.path.basename(query["file"][0])), "rb") as f:
                body = f.read()
            self.send_response(200)
            self.send_header("Content-Type", query["type"][0])
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        if url.path == "/endless":
            self.send_response(200)
            self.send_header("Content-Type", "text/css")
            self.end_headers()
            try:
                while True:
                    self.wfile.write(b"a{color:#C0FFEE}\n" * 256)
            except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
                return
        return super().do_GET()


def serve(server):
    server.serve_forever()


plain = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
secure = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(cert, key)
secure.socket = context.wrap_socket(secure.socket, server_side=True)
ports["http"] = plain.server_address[1]
ports["https"] = secure.server_address[1]
for server in (plain, secure):
    threading.Thread(target=serve, args=(server,), daemon=True).start()
print("http %d https %d" % (ports["http"], ports["https"]), flush=True)
threading.Event().wait()
