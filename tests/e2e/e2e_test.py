"""ZEB driven as a person would: the real program on an X display, its controls found through the
accessibility interface, pointer and keys from xdotool.

Starts with no settings file, adds the format wav in the settings window, walks to a folder of three
tiny sound files, adds them, saves the list, quits with Yes, checks the settings file and the list file
byte for byte, starts again with the list reloaded, plays it to its end, and answers No to the exit
question, which leaves the settings file as it was.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

import pyatspi

TIMEOUT = 20


def fail(message):
    print('FAILED: ' + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, condition, timeout=TIMEOUT):
    end = time.time() + timeout
    while time.time() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    fail('timed out waiting for ' + what)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == 'zeb':
            return app
    return None


def find(name, role=None, within=None):
    """The first control (or window) shown with this accessible name (any, for None) and role."""
    def search():
        root = within or application()
        if root is None:
            return None
        for node in walk(root):
            try:
                if name in (None, node.name) and role in (None, node.getRoleName()) and \
                        node.getState().contains(pyatspi.STATE_SHOWING):
                    return node
            except Exception:
                pass
        return None
    return wait_for(repr(name), search)


def window_titled(prefix):
    def search():
        app = application()
        if app is None:
            return None
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and window.name.startswith(prefix) and \
                    window.getState().contains(pyatspi.STATE_SHOWING):
                return window
        return None
    return wait_for('a window titled ' + repr(prefix), search)


def press(name, within=None):
    find(name, 'push button', within).queryAction().doAction(0)


def items(list_name):
    return [node.name for node in walk(find(list_name)) if node.getRoleName() == 'list item']


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return str(box.x + box.width // 2), str(box.y + box.height // 2)


def click(node, *options):
    wait_for('an enabled ' + repr(node.name), lambda: node.getState().contains(pyatspi.STATE_ENABLED))
    subprocess.run(['xdotool', 'mousemove', *centre(node), 'click', *options, '1'], check=True)
    time.sleep(0.2)


def item(list_name, text):
    return wait_for(repr(text) + ' in ' + list_name,
                    lambda: next((n for n in walk(find(list_name)) if n.name == text), None))


def dialog(title):
    return wait_for('the box ' + repr(title), lambda: next(
        (n for n in walk(application()) if n.getRoleName() in ('alert', 'dialog') and n.name == title), None))


def answer_question(button):
    press(button, dialog('ZEB'))


def record(data, number):
    return data[(number - 1) * 128:number * 128]


def text_record(data, number):
    item = record(data, number)
    tag, length = struct.unpack('<HH', item[:4])
    return item[4:4 + length].decode() if tag == 8 else None


def integer_record(data, number):
    tag, value = struct.unpack('<Hh', record(data, number)[:4])
    return value if tag == 2 else None


class Zeb:
    """The program running; what it writes to stderr is kept, for sanitizer reports."""

    def __init__(self, folder, home):
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen([os.path.join(folder, 'zeb')], cwd=folder,
                                        env=dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + '/.config'),
                                        stdout=subprocess.DEVNULL, stderr=self.log)
        window_titled('ZEB')

    def wait_for_exit(self):
        try:
            self.process.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            fail('ZEB did not end after the exit was confirmed')
        if self.process.returncode != 0:
            self.log.seek(0)
            fail('ZEB ended with status %d:\n%s' % (self.process.returncode, self.log.read().decode(errors='replace')[-3000:]))
        self.log.seek(0)
        errors = self.log.read().decode(errors='replace')
        if 'Sanitizer' in errors or 'runtime error:' in errors:
            fail('a sanitizer reported:\n' + errors)


def main():
    work = tempfile.mkdtemp(prefix='zeb-e2e-')
    try:
        run(work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print('end-to-end: passed')


def run(work):
    folder = os.path.join(work, 'zeb')
    home = os.path.join(work, 'home')
    music = os.path.join(folder, 'Brani')
    os.makedirs(music)
    os.makedirs(home)
    binary = os.environ['ZEB_BINARY']
    shutil.copy2(binary, folder)
    shutil.copy2(os.path.join(os.path.dirname(binary), 'libzeb_mpv.so'), folder)
    for name in ('uno', 'due', 'tre'):
        subprocess.run(['ffmpeg', '-loglevel', 'error', '-f', 'lavfi', '-i', 'sine=duration=0.3', '-ar', '8000',
                        os.path.join(music, name + '.wav')], check=True)
    settings = os.path.join(folder, 'ZEBcfg.dat')

    # First run: no settings file, so no formats; wav is added in the settings window.
    zeb = Zeb(folder, home)
    press('Modifica le impostazioni di ZEB')
    setup = window_titled('ZEB Setup')
    press('Aggiungi', setup)
    asked = dialog('ZEB')
    find(None, 'text', asked).queryEditableText().setTextContents('wav')
    press('OK', asked)
    wait_for('the format wav', lambda: any(n.name == 'wav' for n in walk(setup)))
    press('OK', setup)

    # Walk to the folder and add its three files, selected with a click and a Shift-click.
    wait_for('the main window back', lambda: find('Cartelle').getState().contains(pyatspi.STATE_ENABLED))
    click(item('Cartelle', 'Brani'), '--repeat', '2', '--delay', '80')
    wait_for('the three files', lambda: items('File multimediali') == ['due.wav', 'tre.wav', 'uno.wav'])
    click(item('File multimediali', 'due.wav'))
    subprocess.run(['xdotool', 'keydown', 'shift'], check=True)
    click(item('File multimediali', 'uno.wav'))
    subprocess.run(['xdotool', 'keyup', 'shift'], check=True)
    press('Aggiungi alla lista i files selezionati')
    wait_for('the playlist', lambda: items('Lista dei brani') == ['due', 'tre', 'uno'])

    # Save the list under the name Prova, in the folder the chooser starts in: the program's own.
    press('Salva la lista corrente')
    name = find('Nome del file', 'text')
    name.queryEditableText().setTextContents('Prova')
    press('Conferma il file selezionato')
    list_file = os.path.join(folder, 'Prova.zbl')
    window_titled('ZEB - ' + list_file)

    press('Chiudi ZEB')
    answer_question('Sì')
    zeb.wait_for_exit()

    data = open(settings, 'rb').read()
    if text_record(data, 1) != list_file:
        fail('the settings file names %r as the current list' % text_record(data, 1))
    if integer_record(data, 10) != 1 or text_record(data, 11) != 'wav' or text_record(data, 12) != 'si':
        fail('the settings file does not hold the format wav, ticked')
    if len(data) != 12 * 128:
        fail('the settings file has %d bytes, not 12 records' % len(data))
    paths = [os.path.join(music, name + '.wav') for name in ('due', 'tre', 'uno')]
    expected = ('Lista ZEB\r\n 3 \r\ndue\r\ntre\r\nuno\r\n' + ''.join(p + '\r\n' for p in paths)).encode()
    if open(list_file, 'rb').read() != expected:
        fail('the list file is not as expected')

    # Second run: the list comes back, plays to its end, and the main window returns.
    zeb = Zeb(folder, home)
    window_titled('ZEB - ' + list_file)
    wait_for('the reloaded playlist', lambda: items('Lista dei brani') == ['due', 'tre', 'uno'])
    press('Esegui tutti i brani nella lista')
    wait_for('the viewer', lambda: window_titled('[ZEB] '))
    window_titled('ZEB - ' + list_file)

    # No at the exit question leaves everything, the settings file included, as it was.
    before = open(settings, 'rb').read()
    stamp = os.stat(settings).st_mtime_ns
    press('Chiudi ZEB')
    answer_question('No')
    time.sleep(0.5)
    if zeb.process.poll() is not None:
        fail('ZEB ended although the exit was declined')
    if open(settings, 'rb').read() != before or os.stat(settings).st_mtime_ns != stamp:
        fail('declining the exit changed the settings file')
    press('Chiudi ZEB')
    answer_question('Sì')
    zeb.wait_for_exit()


if __name__ == '__main__':
    main()
