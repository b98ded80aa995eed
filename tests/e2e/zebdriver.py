"""Drives the real zeb program on an X display as a person would: its controls are found through the
accessibility interface, the pointer and the keys come from xdotool, and windows are focused as a
window manager focuses them. Shared by the end-to-end tests and the soak test."""
import ctypes
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
# The settings file, for the tests that import it from here.
from zebsettings import integer_record, record, settings_file, text_record  # noqa: E402,F401

TIMEOUT = 20


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def wait_for(what, condition, timeout=TIMEOUT):
    end = time.time() + timeout
    while time.time() < end:
        try:
            value = condition()
        except GLib.GError:
            value = None  # a control went while it was read, as a list filled anew: look again
        if value:
            return value
        time.sleep(0.05)
    fail('timed out waiting for ' + what)


def settle(seconds=0.3):
    time.sleep(seconds)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


# The process of the ZEB started last, whose windows the functions below look at; none: any ZEB's.
_followed = [None]


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and _followed[0] in (None, app.get_process_id()) and app.name == 'zeb':
                return app
        except Exception:
            pass  # a ZEB that has just ended
    return None


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def search(name=None, role=None, within=None):
    """The first control shown with this accessible name (any, for None) and role, or None."""
    root = within or application()
    if root is None:
        return None
    for node in walk(root):
        try:
            if name in (None, node.name) and role in (None, node.getRoleName()) and showing(node):
                return node
        except Exception:
            pass
    return None


def find(name, role=None, within=None, timeout=TIMEOUT):
    return wait_for(repr(name), lambda: search(name, role, within), timeout)


def window_titled(prefix, timeout=TIMEOUT):
    def look():
        app = application()
        if app is None:
            return None
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and window.name.startswith(prefix) and showing(window):
                return window
        return None
    return wait_for('a window titled ' + repr(prefix), look, timeout)


def state(node, which):
    return node.getState().contains(which)


def items(list_name, within=None):
    return [node.name for node in walk(find(list_name, within=within)) if node.getRoleName() == 'list item']


def item(list_name, text, within=None):
    return wait_for(repr(text) + ' in ' + list_name,
                    lambda: next((n for n in walk(find(list_name, within=within)) if n.name == text), None))


def entries(list_node):
    """The entries of a list control, as they are now."""
    return [c for c in (list_node.getChildAtIndex(i) for i in range(list_node.childCount))
            if c is not None and c.getRoleName() == 'list item']


def selected_rows(list_node):
    return [i for i, e in enumerate(entries(list_node)) if state(e, pyatspi.STATE_SELECTED)]


def entry_names(list_node):
    return [e.name for e in entries(list_node)]


def dialog(title='ZEB', timeout=TIMEOUT):
    return wait_for('the box ' + repr(title), lambda: open_dialog(title), timeout)


def open_dialog(title='ZEB'):
    app = application()
    if app is None:
        return None
    return next((n for n in walk(app) if n.getRoleName() in ('alert', 'dialog') and n.name == title and showing(n)),
                None)


def box_text(box):
    return next((n.name for n in walk(box) if n.getRoleName() == 'label' and n.name), '')


def close_box(box, button):
    """Clicks a button of a message box and waits for the box to go."""
    click(find(button, 'push button', box))
    wait_for('the box to close', lambda: not showing(box), 5)


def answer_box(texts, button, timeout=TIMEOUT):
    """Answers the next box titled ZEB, which must say one of the texts."""
    box = dialog('ZEB', timeout)
    if box_text(box) not in texts:
        fail('a box says %r where %r was expected' % (box_text(box), texts[0]))
    close_box(box, button)


def press(name, within=None):
    """Presses a button through the accessibility interface, where the pointer does not matter."""
    find(name, 'push button', within).queryAction().doAction(0)


def answer_question(button):
    press(button, dialog('ZEB'))


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def xdotool(*arguments):
    return subprocess.run(['xdotool', *[str(a) for a in arguments]], check=True, capture_output=True,
                          text=True).stdout


_last_click = [-100, -100, 0.0]


def click(node, *options, at=None):
    """A real click of the pointer on the control, at its centre or at an offset from its top left."""
    wait_for('an enabled ' + repr(node.name), lambda: state(node, pyatspi.STATE_ENABLED))
    if at is None:
        x, y = centre(node)
    else:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        x, y = box.x + at[0], box.y + at[1]
    # A click soon after another at the same place is a double-click to Qt, which no single click means.
    last_x, last_y, last_time = _last_click
    if abs(x - last_x) <= 6 and abs(y - last_y) <= 6:
        time.sleep(max(0, last_time + 0.5 - time.monotonic()))
    move_pointer(x, y)
    xdotool('click', *options, 1)
    _last_click[:] = [x, y, time.monotonic()]
    settle(0.15)


def click_with(modifier, node):
    """A click with a key held down ('shift', 'ctrl'), or none."""
    if not modifier:
        return click(node)
    xdotool('keydown', modifier)
    try:
        click(node)
    finally:
        xdotool('keyup', modifier)


def choice(combo):
    """What a drop-down list shows: the selected line of the list that drops down."""
    return next((e.name for e in entries(combo.getChildAtIndex(0)) if state(e, pyatspi.STATE_SELECTED)), None)


def pick_from_combo(combo, text):
    click(combo)
    popup = combo.getChildAtIndex(0)
    wait_for('the drop-down list', lambda: showing(popup), 5)
    click(next(e for e in entries(popup) if e.name == text))


def double_click(node):
    click(node, '--repeat', 2, '--delay', 80)


def key(*names):
    xdotool('key', '--delay', 40, *names)
    settle(0.15)


def type_text(text):
    xdotool('type', '--delay', 20, text)
    settle(0.15)


def move_pointer(x, y):
    """Moves the pointer and waits until it is there (xdotool's --sync waits in vain when it is there
    already)."""
    if 'X=%d\nY=%d\n' % (x, y) not in xdotool('getmouselocation', '--shell'):
        xdotool('mousemove', '--sync', x, y)


def move_pointer_over(node):
    move_pointer(*centre(node))
    settle(0.15)


def x_window(title, whole=True):
    """The X window of the program's window with this exact title, or a title beginning so."""
    pattern = '^' + title.replace('[', '\\[').replace(']', '\\]') + ('$' if whole else '')
    found = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', pattern], capture_output=True,
                           text=True).stdout.split()  # xdotool fails when it finds none: told below
    if not found:
        fail('no X window titled ' + repr(title))
    return int(found[-1])


def focus_window(title):
    """Gives the window the keyboard, as a window manager does when it is shown or clicked."""
    xdotool('windowfocus', '--sync', x_window(title))
    settle(0.15)


def request_close(title, whole=True):
    """Asks the window to close as the window manager does for its close box or Alt+F4."""
    send_delete_window(x_window(title, whole))
    settle(0.3)


def send_delete_window(window):
    x11 = ctypes.cdll.LoadLibrary('libX11.so.6')
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    protocols = x11.XInternAtom(display, b'WM_PROTOCOLS', 0)
    delete = x11.XInternAtom(display, b'WM_DELETE_WINDOW', 0)
    # XClientMessageEvent: type, serial, send_event, display, window, message_type, format, data[5].
    event = struct.pack('iLiPLLi4x5l', 33, 0, 1, display, window, protocols, 32, delete, 0, 0, 0, 0)
    buffer = ctypes.create_string_buffer(event, 192)
    x11.XSendEvent(display, window, 0, 0, buffer)
    x11.XFlush(display)
    x11.XCloseDisplay(display)


class _CursorImage(ctypes.Structure):
    _fields_ = [('x', ctypes.c_short), ('y', ctypes.c_short), ('width', ctypes.c_ushort),
                ('height', ctypes.c_ushort), ('xhot', ctypes.c_ushort), ('yhot', ctypes.c_ushort),
                ('serial', ctypes.c_ulong), ('pixels', ctypes.POINTER(ctypes.c_ulong))]


def pointer_shape():
    """The picture of the pointer as the X server shows it now: its size, hot spot and pixels."""
    x11, fixes = ctypes.cdll.LoadLibrary('libX11.so.6'), ctypes.cdll.LoadLibrary('libXfixes.so.3')
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XCloseDisplay.argtypes = x11.XFree.argtypes = [ctypes.c_void_p]
    fixes.XFixesGetCursorImage.restype = ctypes.POINTER(_CursorImage)
    fixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    image = fixes.XFixesGetCursorImage(display).contents
    shape = (image.width, image.height, image.xhot, image.yhot,
             tuple(image.pixels[i] & 0xffffffff for i in range(image.width * image.height)))
    x11.XFree(ctypes.addressof(image))
    x11.XCloseDisplay(display)
    return shape


class WindowWatch:
    """Counts the times a window whose title begins so left the screen, as the accessibility events tell:
    a window can come and go between two looks at the windows."""

    def __init__(self, prefix):
        self.prefix, self.gone = prefix, 0
        pyatspi.Registry.registerEventListener(self._seen, 'object:state-changed:showing')

    def _seen(self, event):
        try:
            if not event.detail1 and event.source.name.startswith(self.prefix):
                self.gone += 1
        except Exception:
            pass  # a control gone already

    def count(self):
        while GLib.MainContext.default().iteration(False):
            pass
        return self.gone


def write_sound(path, seconds=0.3):
    subprocess.run(['ffmpeg', '-loglevel', 'error', '-y', '-f', 'lavfi', '-i', 'sine=duration=%s' % seconds,
                    '-ar', '8000', path], check=True)


class Zeb:
    """The program running from a folder of its own; what it writes to stderr is kept, for sanitizer
    reports."""

    def __init__(self, folder, home, cwd=None, environment=None, arguments=(), window='ZEB'):
        """Started with these command-line arguments, once a window titled so (its beginning) shows."""
        self.log = tempfile.TemporaryFile()
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + '/.config', **(environment or {}))
        self.process = subprocess.Popen([os.path.join(folder, 'zeb'), *arguments], cwd=cwd or folder, env=env,
                                        stdout=subprocess.DEVNULL, stderr=self.log)
        _followed[0] = self.process.pid
        window_titled(window)

    def alive(self):
        return self.process.poll() is None

    def errors(self):
        self.log.seek(0)
        return self.log.read().decode(errors='replace')

    def wait_for_exit(self):
        try:
            self.process.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            fail('ZEB did not end after the exit was confirmed')
        if self.process.returncode != 0:
            fail('ZEB ended with status %d:\n%s' % (self.process.returncode, self.errors()[-3000:]))
        self.check_sanitizers()

    def check_sanitizers(self):
        errors = self.errors()
        if 'Sanitizer' in errors or 'runtime error:' in errors:
            fail('a sanitizer reported:\n' + errors)

    def kill(self):
        if self.alive():
            self.process.kill()
            self.process.wait()


def install(binary, folder):
    """A folder of its own for the program: the executable and its player module."""
    os.makedirs(folder, exist_ok=True)
    shutil.copy2(binary, folder)
    shutil.copy2(os.path.join(os.path.dirname(binary), 'libzeb_mpv.so'), folder)


SKIPPED = 77  # the exit status that ctest takes for a skipped test (SKIP_RETURN_CODE)


def skip_if_unfit(error):
    """Ends the process as skipped when the error says the test cannot run here (a test mount without
    root); returns otherwise."""
    if getattr(error, 'skip', False):
        print('SKIPPED: %s' % error, flush=True)
        sys.exit(SKIPPED)


def main(run):
    """Runs a test body in a temporary folder; a failure ends the process with its message, a test that
    cannot run here is skipped with the reason."""
    work = tempfile.mkdtemp(prefix='zeb-e2e-')
    try:
        run(work)
    except Failure as failure:
        print('FAILED: %s' % failure, file=sys.stderr)
        sys.exit(1)
    except Exception as error:
        skip_if_unfit(error)
        raise
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print('%s: passed' % os.path.basename(sys.argv[0]))
