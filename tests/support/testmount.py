"""A temporary folder mounted through testfs.py, for the end-to-end tests and the benchmarks:

    with TestMount() as mount:
        os.mkdir(mount.backing('slow'))
        mount.set_rules([{'path': '/slow', 'op': 'readdir', 'delay': 6}])
        ... mount.path('slow') ...

Mounting needs root and /dev/fuse: without them TestMount raises Unavailable, which the end-to-end tests
end on as skipped, saying which is missing. Any other mount that cannot be made raises RuntimeError, with
the file system's own message.
"""
import json
import os
import shutil
import subprocess
import tempfile
import time

TESTFS = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'testfs.py')


class Unavailable(Exception):
    """No test file system can be mounted here; the message says why."""
    skip = True  # a test that meets it is skipped, not failed


def unavailable():
    """Why no test file system can be mounted here, or None."""
    if os.geteuid() != 0:
        return 'mounting the test file system needs root'
    if not os.access('/dev/fuse', os.R_OK | os.W_OK):
        return 'mounting the test file system needs /dev/fuse'
    return None


class TestMount:
    def __init__(self, rules=()):
        self.rules = list(rules)

    def path(self, below=''):
        return os.path.join(self.root, 'mount', below) if below else os.path.join(self.root, 'mount')

    def backing(self, below=''):
        return os.path.join(self.root, 'backing', below) if below else os.path.join(self.root, 'backing')

    def set_rules(self, rules):
        """The rules as testfs.py reads them; they hold from the next operation on."""
        with open(self.rules_file + '.new', 'w') as file:
            json.dump(list(rules), file)
        os.replace(self.rules_file + '.new', self.rules_file)

    def mounted(self):
        with open('/proc/self/mountinfo') as table:
            return any(line.split()[4] == self.path().replace(' ', '\\040') for line in table)

    def __enter__(self):
        why = unavailable()
        if why:
            raise Unavailable(why)
        self.root = os.path.realpath(tempfile.mkdtemp(prefix='zeb-testfs-'))
        os.mkdir(self.path())
        os.mkdir(self.backing())
        self.rules_file = os.path.join(self.root, 'rules.json')
        self.set_rules(self.rules)
        self.log = open(os.path.join(self.root, 'testfs.log'), 'w+')
        self.process = subprocess.Popen(['/usr/bin/python3', '-I', TESTFS, self.backing(), self.path(),
                                         self.rules_file], stdin=subprocess.DEVNULL, stdout=self.log,
                                        stderr=self.log)
        end = time.monotonic() + 15
        while not self.mounted():
            if self.process.poll() is not None or time.monotonic() > end:
                self.log.seek(0)
                said = self.log.read()
                self.__exit__()
                raise RuntimeError('the test file system cannot be mounted at %s:\n%s\n' % (self.path(), said) +
                                   '(scripts/install-deps.sh test installs fuse3 and python3-fusepy)')
            time.sleep(0.01)
        return self

    # Lazily, so that requests still hanging cannot hold the unmount up; the process goes after it.
    def __exit__(self, *exception):
        subprocess.run(['umount', '-l', self.path()], stderr=subprocess.DEVNULL)
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.log.close()
        if not self.mounted():
            shutil.rmtree(self.root, ignore_errors=True)
