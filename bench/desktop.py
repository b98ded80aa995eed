"""What the benchmarks that run whole desktop programs share: an Xvfb, a session of its own for each start,
the processes a program starts and the processor time and memory they use."""
import ctypes
import os
import pwd
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile

REPOSITORY = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(REPOSITORY, 'build', 'bench')
PAGE = os.sysconf('SC_PAGE_SIZE')


def program_user():
    """Run as root, the programs run as the user nobody: some players refuse root."""
    return pwd.getpwnam('nobody') if os.getuid() == 0 else pwd.getpwuid(os.getuid())


class Program:
    """A program to measure: its command, or prepare(session, ...) that sets it up and gives the command."""

    def __init__(self, name, command, prepare=None):
        self.name, self.command, self.prepare = name, command, prepare


class Screen:
    """The X server's mappings of top-level windows, as they happen."""
    MAP_NOTIFY = 19
    SUBSTRUCTURE_NOTIFY = 1 << 19

    def __init__(self, display):
        self.x11 = ctypes.cdll.LoadLibrary('libX11.so.6')
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for function in ('XDefaultRootWindow', 'XConnectionNumber', 'XPending', 'XFlush'):
            getattr(self.x11, function).argtypes = [ctypes.c_void_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.display = self.x11.XOpenDisplay(display.encode())
        if not self.display:
            sys.exit('the display %s does not answer' % display)
        self.x11.XSelectInput(self.display, self.x11.XDefaultRootWindow(self.display), self.SUBSTRUCTURE_NOTIFY)
        self.x11.XFlush(self.display)
        self.descriptor = self.x11.XConnectionNumber(self.display)
        self.event = ctypes.create_string_buffer(192)

    def windows_mapped(self, timeout):
        """Waits up to timeout for the server; True when a top-level window was mapped meanwhile."""
        mapped = False
        if not self.x11.XPending(self.display):
            select.select([self.descriptor], [], [], max(0, timeout))
        while self.x11.XPending(self.display):
            self.x11.XNextEvent(self.display, self.event)
            # XMapEvent: type, serial, send_event, display, event, window, override_redirect.
            kind, = struct.unpack_from('i', self.event, 0)
            override_redirect, = struct.unpack_from('i', self.event, 48)
            mapped = mapped or (kind == self.MAP_NOTIFY and not override_redirect)
        return mapped


def tree(root):
    """The process and all its descendants that are still there, each with the ids of its threads."""
    found, waiting = {}, [root]
    while waiting:
        pid = waiting.pop()
        try:
            found[pid] = [int(task) for task in os.listdir('/proc/%d/task' % pid)]
            for task in found[pid]:
                with open('/proc/%d/task/%d/children' % (pid, task)) as children:
                    waiting.extend(int(child) for child in children.read().split())
        except OSError:
            pass  # gone meanwhile
    return found


class ProcessorTime:
    """The processor time the threads of a set of processes have used since it was first read, to the
    nanosecond (the clock ticks of /proc/PID/stat are too coarse for a quiet program). A thread that ends
    between two readings loses what it used since the last."""

    def __init__(self):
        self.last, self.total = {}, 0

    def read(self, processes):
        now = {}
        for pid, tasks in processes.items():
            for task in tasks:
                try:
                    with open('/proc/%d/task/%d/schedstat' % (pid, task)) as schedstat:
                        now[task] = int(schedstat.read().split()[0])
                except (OSError, IndexError, ValueError):
                    pass  # gone meanwhile
        self.total += sum(max(0, used - self.last.get(task, used)) for task, used in now.items())
        self.last = now
        return self.total / 1e9


def resident_mib(processes):
    pages = 0
    for pid in processes:
        try:
            with open('/proc/%d/statm' % pid) as statm:
                pages += int(statm.read().split()[1])
        except (OSError, IndexError, ValueError):
            pass
    return pages * PAGE / 2**20


class Session:
    """A home folder, a runtime folder and a session bus of their own for one start, owned by the user the
    programs run as."""

    def __init__(self, user, display):
        self.user = user
        self.work = tempfile.mkdtemp(prefix='zeb-peers-')
        self.home = self.folder('home')
        runtime = self.folder('runtime')
        os.chown(self.work, user.pw_uid, user.pw_gid)
        self.environment = {
            'PATH': '/usr/local/bin:/usr/bin:/bin', 'HOME': self.home, 'USER': user.pw_name,
            'LOGNAME': user.pw_name, 'DISPLAY': display, 'LANG': 'C.UTF-8', 'XDG_RUNTIME_DIR': runtime,
            'XDG_SESSION_TYPE': 'x11',
        }
        self.bus = self.start(['dbus-daemon', '--session', '--nofork', '--print-address=1'],
                              stdout=subprocess.PIPE)
        self.environment['DBUS_SESSION_BUS_ADDRESS'] = self.bus.stdout.readline().decode().strip()

    def folder(self, name):
        path = os.path.join(self.work, name)
        os.mkdir(path, 0o700)
        os.chown(path, self.user.pw_uid, self.user.pw_gid)
        return path

    def start(self, command, **options):
        if os.getuid() != self.user.pw_uid:
            command = ['setpriv', '--reuid=%d' % self.user.pw_uid, '--regid=%d' % self.user.pw_gid,
                       '--init-groups', '--'] + command
        return subprocess.Popen(command, env=self.environment, cwd=self.home,
                                stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True, **{'stdout': subprocess.DEVNULL, **options})

    def close(self):
        stop(self.bus)
        shutil.rmtree(self.work, ignore_errors=True)


def stop(process):
    """Ends the process, its process group and whatever else descends from it."""
    pids = tree(process.pid)
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for pid in pids:
            try:
                os.kill(pid, sig)
            except OSError:
                pass
        try:
            os.killpg(process.pid, sig)
        except OSError:
            pass
        try:
            process.wait(3)
            break
        except subprocess.TimeoutExpired:
            pids = tree(process.pid)


def start_display(screen='1280x1024'):
    """An Xvfb on a display it picks itself (tests/support/xvfb.sh), and the display; the server ends when
    the process returned is terminated."""
    server = subprocess.Popen([os.path.join(REPOSITORY, 'tests', 'support', 'xvfb.sh'), '-s', screen],
                              stdout=subprocess.PIPE, text=True)
    display = server.stdout.readline().strip()
    if not display:
        sys.exit('Xvfb does not start')
    return server, display


def build(targets):
    """Builds the targets with optimisation in BUILD; what the build says goes to standard error, since
    standard output is the table."""
    subprocess.run([os.path.join(REPOSITORY, 'scripts', 'install-deps.sh'), 'bench'], check=True, stdout=sys.stderr)
    subprocess.run(['cmake', '-S', REPOSITORY, '-B', BUILD, '-G', 'Ninja', '-DCMAKE_BUILD_TYPE=Release',
                    '-DZEB_BENCHMARKS=ON'], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(['cmake', '--build', BUILD, '--target'] + targets, check=True, stdout=sys.stderr)


def load():
    with open('/proc/loadavg') as average:
        return ' '.join(average.read().split()[:3])
