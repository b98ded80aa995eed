#!/usr/bin/python3
"""A file system for tests and benchmarks: it mirrors a backing folder at a mount point, and delays or
fails the operations its rules name, in ways that root cannot get past as it gets past permissions.

Usage: testfs.py BACKING MOUNTPOINT RULES

RULES is a JSON file outside the mount, read again whenever it changes, so a folder can turn slow while
the program under test runs. It holds a list of rules; the first that names the operation and holds
for the path applies:

    [{"path": "/slow", "op": "readdir", "delay": 6},
     {"path": "/", "op": "statfs", "hang": true},
     {"path": "/closed", "op": "readdir", "errno": "EACCES"}]

A rule holds for its path and everything below it. Operations: statfs, getattr (which also answers the
kernel's lookups: a stat of a name met for the first time asks twice), readdir (the whole listing;
"opendir" is the same), open, read, create, write. A rule delays by "delay" seconds, then fails with
"errno" (a name or a number) when it has one; "hang" waits until the file system ends.

The kernel caches nothing (no attribute, entry or page cache), so every call reaches the rules. SIGTERM,
SIGINT, an unmount from outside (umount -l, fusermount -u -z) or the end of the parent process end the
file system at once, even with requests hanging: those get "transport endpoint not connected".
"""
import errno
import json
import os
import re
import signal
import subprocess
import sys
import threading
import time

import fusepy


class Rules:
    def __init__(self, path):
        self.path = path
        self.stamp = None
        self.rules = []
        self.lock = threading.Lock()

    def find(self, op, path):
        try:
            info = os.stat(self.path)
            stamp = (info.st_ino, info.st_mtime_ns, info.st_size)
        except FileNotFoundError:
            stamp = None
        with self.lock:
            if stamp != self.stamp:
                self.stamp = stamp
                try:
                    with open(self.path) as file:
                        self.rules = json.load(file) if stamp else []
                except (OSError, ValueError) as error:
                    print('testfs: rules not read, the old ones stay: %s' % error, file=sys.stderr)
            rules = self.rules
        for rule in rules:
            where = rule['path'].rstrip('/')
            named = rule['op'].replace('opendir', 'readdir')
            if named == op and (path == where or path.startswith(where + '/')):
                return rule
        return None


class TestFs(fusepy.Operations):
    use_ns = True

    def __init__(self, backing, rules):
        self.backing = os.path.realpath(backing)
        self.rules = Rules(rules)

    def obey(self, op, path):
        rule = self.rules.find(op, path)
        if rule is None:
            return
        while rule.get('hang'):
            time.sleep(60)  # until the file system ends
        time.sleep(rule.get('delay', 0))
        if 'errno' in rule:
            code = rule['errno']
            raise fusepy.FuseOSError(getattr(errno, code) if isinstance(code, str) else code)

    def real(self, path):
        return self.backing + path

    def statfs(self, path):
        self.obey('statfs', path)
        info = os.statvfs(self.real(path))
        return {key: getattr(info, key) for key in ('f_bsize', 'f_frsize', 'f_blocks', 'f_bfree', 'f_bavail',
                                                   'f_files', 'f_ffree', 'f_favail', 'f_flag', 'f_namemax')}

    def getattr(self, path, fh=None):
        self.obey('getattr', path)
        info = os.lstat(self.real(path))
        attributes = {key: getattr(info, key) for key in ('st_mode', 'st_ino', 'st_nlink', 'st_uid', 'st_gid',
                                                         'st_size', 'st_blocks', 'st_blksize')}
        attributes.update(st_atime=info.st_atime_ns, st_mtime=info.st_mtime_ns, st_ctime=info.st_ctime_ns)
        return attributes

    def opendir(self, path):
        self.obey('readdir', path)
        return 0

    # The kind of each entry goes with its name, as on a disk, so that a listing needs no look-ups.
    def readdir(self, path, fh):
        with os.scandir(self.real(path)) as entries:
            return ['.', '..'] + [(e.name, {'st_mode': e.stat(follow_symlinks=False).st_mode}, 0)
                                  for e in entries]

    def readlink(self, path):
        return os.readlink(self.real(path))

    def open(self, path, flags):
        self.obey('open', path)
        return os.open(self.real(path), flags)

    def create(self, path, mode, fi=None):
        self.obey('create', path)
        return os.open(self.real(path), os.O_RDWR | os.O_CREAT | os.O_TRUNC, mode)

    def read(self, path, size, offset, fh):
        self.obey('read', path)
        return os.pread(fh, size, offset)

    def write(self, path, data, offset, fh):
        self.obey('write', path)
        return os.pwrite(fh, data, offset)

    def truncate(self, path, length, fh=None):
        if fh is None:
            os.truncate(self.real(path), length)
        else:
            os.ftruncate(fh, length)

    def flush(self, path, fh):
        return 0

    def fsync(self, path, datasync, fh):
        (os.fdatasync if datasync else os.fsync)(fh)

    def release(self, path, fh):
        os.close(fh)

    def unlink(self, path):
        os.unlink(self.real(path))

    def mkdir(self, path, mode):
        os.mkdir(self.real(path), mode)

    def rmdir(self, path):
        os.rmdir(self.real(path))

    def rename(self, old, new):
        os.rename(self.real(old), self.real(new))

    def chmod(self, path, mode):
        os.chmod(self.real(path), mode)

    def chown(self, path, uid, gid):
        os.chown(self.real(path), uid, gid, follow_symlinks=False)

    def utimens(self, path, times=None):
        os.utime(self.real(path), ns=times, follow_symlinks=False)


def mounted(mountpoint):
    with open('/proc/self/mountinfo') as table:
        for line in table:
            where = re.sub(r'\\([0-7]{3})', lambda code: chr(int(code.group(1), 8)), line.split()[4])
            if where == mountpoint:
                return True
    return False


def unmount(mountpoint):
    if subprocess.run(['umount', '-l', mountpoint], stderr=subprocess.DEVNULL).returncode != 0:
        subprocess.run(['fusermount', '-u', '-z', mountpoint], stderr=subprocess.DEVNULL)


# libfuse stops by cancelling its worker threads, which hangs when one is asleep in Python: so the end
# is taken here, by a thread that alone receives the signals, and the process leaves without waiting.
def watch(mountpoint, parent, stops):
    seen = False
    while True:
        stopped = signal.sigtimedwait(stops, 0.2) is not None or os.getppid() != parent
        now = mounted(mountpoint)
        if stopped and now:
            unmount(mountpoint)
        if stopped or (seen and not now):
            os._exit(0)
        seen = seen or now


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    backing, mountpoint, rules = sys.argv[1], os.path.realpath(sys.argv[2]), os.path.abspath(sys.argv[3])
    stops = {signal.SIGTERM, signal.SIGINT, signal.SIGHUP}
    signal.pthread_sigmask(signal.SIG_BLOCK, stops)
    threading.Thread(target=watch, args=(mountpoint, os.getppid(), stops), daemon=True).start()
    fusepy.FUSE(TestFs(backing, rules), mountpoint, foreground=True, nothreads=False, allow_other=True,
                fsname='testfs', subtype='testfs', attr_timeout=0, entry_timeout=0, negative_timeout=0,
                direct_io=True, hard_remove=True)


if __name__ == '__main__':
    main()
