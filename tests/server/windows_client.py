#!/usr/bin/python3
"""A client of the site that runs the catalogue protocol exactly as the Windows clients do, for
the race tests: it stores its lock record with a plain upload and never reads it back, renames
"Server.xml" to "Server_Tmp.xml" and back before reading it, writes the catalogue with a plain
upload, rewrites "OS.log" whole, and counts a stamp's seconds up without carrying ("...,99"
becomes "...,100").

    windows_client.py PORT USER BASE IDENTITY PAUSE LOCAL_FILE REMOTE_NAME [LOCAL REMOTE ...]

Logs in as USER (password "ovpass") and sends each file to REMOTE_NAME (backslashes, relative
to BASE), PAUSE seconds apart, each followed by its own catalogue update. IDENTITY is the
client's host identity, "address(host name)". Exit status 0 when every file was recorded.
"""

import ftplib
import io
import sys
import time

PREFIX = "版本日期："
CATALOGUE, PROBE, LOCK, BACKUP, LOG = (
    "Server.xml", "Server_Tmp.xml", "Server.xml.bak", "Server.backup", "OS.log")


class Client:
    def __init__(self, port, user, base, identity):
        self.ftp = ftplib.FTP(encoding="gbk")
        self.ftp.connect("127.0.0.1", port, timeout=10)
        self.ftp.login(user, "ovpass")
        self.ftp.cwd(base)
        self.identity = identity

    def download(self, name):
        out = io.BytesIO()
        try:
            self.ftp.retrbinary("RETR " + name, out.write)
        except ftplib.error_perm:
            return None
        return out.getvalue()

    def upload(self, name, data):
        try:
            self.ftp.storbinary("STOR " + name, io.BytesIO(data))
            return True
        except ftplib.error_perm:
            return False

    def delete(self, name):
        try:
            self.ftp.delete(name)
        except ftplib.error_perm:
            pass

    def lines(self, data):
        text = (data or b"").decode("gbk", "replace").replace("\r\n", "\n")
        return [line.strip() for line in text.split("\n") if line.strip()]

    def log(self, message):
        now = time.localtime()
        line = "[TIME:]%d-%d-%d %d:%d:%d  [HOST:]%s  [OPRT:]%s" % (
            now.tm_year, now.tm_mon, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec,
            self.identity, message)
        old = self.download(LOG) or b""
        self.upload(LOG, old + (line + "\r\n").encode("gbk", "replace"))

    def lock(self):
        looks = 0
        while True:
            held = self.download(LOCK)
            if held is None:
                break
            holder = self.lines(held)[0] if self.lines(held) else ""
            if holder.lower() == self.identity.lower():
                self.delete(LOCK)
                break
            time.sleep(0.4)
            looks += 1
            if looks >= 6:
                self.delete(LOCK)
                break
        self.upload(LOCK, self.identity.encode("gbk"))

    def update(self, lines, remote):
        stamp = time.strftime("%Y,%m,%d,%H,%M,%S")
        if lines and PREFIX in lines[0]:
            old = lines[0].replace(PREFIX, "").strip()
            if old.lower() >= stamp.lower():
                stamp = old[:-3] + "," + "%02d" % (int(old[-2:]) + 1)
        entries = lines[1:] if lines and PREFIX in lines[0] else lines
        for index, entry in enumerate(entries):
            if entry.split("|")[0].lower() == remote.lower():
                del entries[index]
                break
        entries.insert(0, "%s|%s|MOD" % (remote, stamp))
        return [PREFIX + stamp] + entries

    def encode(self, lines):
        return ("\r\n".join(lines)).encode("gbk", "replace")

    def send(self, local, remote):
        with open(local, "rb") as source:
            if not self.upload(remote.replace("\\", "/"), source.read()):
                return False
        self.lock()
        copy = []
        if self.download(CATALOGUE) is not None:
            try:
                self.ftp.rename(CATALOGUE, PROBE)
                self.ftp.rename(PROBE, CATALOGUE)
            except ftplib.error_perm:
                pass
            copy = self.lines(self.download(CATALOGUE))
            backup = self.lines(self.download(BACKUP))
            if not backup or len(backup) <= len(copy):
                self.delete(BACKUP)
                self.upload(BACKUP, self.encode(copy))
            else:
                self.log("备份Server.xml文件时出错！")
        updated = self.update(list(copy), remote)
        backup = self.lines(self.download(BACKUP))
        if len(backup) > len(updated):
            updated = self.update(backup, remote)
            if len(updated) < len(backup):
                self.log("利用备份数据更新Server.xml仍然出错！")
                return False
        if self.upload(CATALOGUE, self.encode(updated)):
            self.delete(LOCK)
        return True


def main():
    if len(sys.argv) < 8 or len(sys.argv) % 2:
        sys.stderr.write(__doc__)
        return 2
    port, user, base, identity, pause = sys.argv[1:6]
    client = Client(int(port), user, base, identity)
    files = sys.argv[6:]
    ok = True
    for index in range(0, len(files), 2):
        if index:
            time.sleep(float(pause))
        ok = client.send(files[index], files[index + 1]) and ok
    client.ftp.quit()
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
