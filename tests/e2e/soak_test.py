"""A soak test: random real actions on the real zeb, as a person would do them, some hundreds in two
minutes, among sound files of a fraction of a second, files that are no media, list files good and bad,
and a test mount whose folder and list files are slow to read.

After each action: ZEB runs and answers within a second (the hint line names the button under the
pointer); the boxes that come up are the ones the model expects, each answered; the windows show what
soakmodel says they should (caption, lists, selections, settings); the files on disk are those the user
saved and not those deleted. At the end a confirmed exit writes the settings the user chose.

    tests/e2e/run.sh PATH_TO_ZEB tests/e2e/soak_test.py [--seconds 120] [--seed N]... [--fresh] [--steps N]

Each seed fixes a sequence of actions, played on a ZEB and files of its own; the seeds share the time. The
seeds given run in turn, then a fresh one with --fresh (alone without --seed); all are printed first, each
again as it starts. A failure prints its seed and steps, and the arguments that replay it: that seed with
--steps. Run as root, the test takes a mount namespace of its own, so that the mounts other tests make
meanwhile never join its drive lists; it needs root (and /dev/fuse) for its test mount, and without them
it is skipped.
"""
import argparse
import collections
import itertools
import os
import random
import shutil
import sys
import tempfile
import time
import traceback
import wave

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from soakmodel import (ALREADY_PRESENT, MAX_ROWS, WRONG_LENGTH, Model, decode_list, display_name,  # noqa: E402
                       encode_list, join, moved, within)
from testmount import TestMount, unavailable  # noqa: E402
from zebdriver import (SKIPPED, Failure, WindowWatch, Zeb, answer_box, application, box_text, centre, choice, click,  # noqa: E402
                       click_with, close_box, dialog, double_click, entries, entry_names, fail, find, focus_window,
                       install, integer_record, key, move_pointer, pick_from_combo, request_close, selected_rows,
                       settings_file, settle, showing, state, text_record, type_text, wait_for, walk, window_titled,
                       write_sound)

SLOW = 1.2  # seconds that the test mount's slow folder takes to list, and its slow list files to open
SLOW_PATHS = [('lento', 'readdir'), ('Lenta.zbl', 'open'), ('Guasta.zbl', 'open')]
NEW_LIST = 'Eventuali modifiche non salvate verranno perse! Cominciare una nuova lista?'
EXIT = 'Eventuali modifiche non salvate verranno perse! Uscire?'
DELETE = 'Eliminare definitivamente il file?'
ADD, REMOVE, UP, DOWN = ('Aggiungi alla lista i files selezionati', 'Elimina dalla lista il brano selezionato',
                         'Sposta su il brano selezionato', 'Sposta giù il brano selezionato')
NEW, PLAY, SAVE, LOAD = ('Comincia una nuova lista', 'Esegui tutti i brani nella lista', 'Salva la lista corrente',
                         "Leggi un'altra lista")
SETUP, CLOSE, ABOUT = 'Modifica le impostazioni di ZEB', 'Chiudi ZEB', 'Informazioni su ZEB'
CONFIRM, CANCEL = 'Conferma il file selezionato', "Annulla l'operazione"
CONTINUO, RANDOM = 'Esegui le liste in continuo', 'Esegui le liste in ordine casuale'
FORMAT_POOL = ['ogg', 'txt', 'zbl', 'MP4', 'Wma', 'wav', 'mp3']
NAME_POOL = ['Mia', 'prova.zbl', 'ALTRA.ZBL', 'Rock', 'Nuova lista']
FORMATS = [('wav', True), ('mp3', False)]
END = 'fine:'  # in the list of steps, where the random ones end and the way out begins
# The files, below the program's folder or the mount: seconds of sound (0: no samples), the bytes of a
# file that is no medium or no list file, or a list file of these paths.
FILES = {
    'a.wav': 0.1, 'b.wav': 0.2, 'vuoto.wav': 0.0, 'rotto.wav': b'non sono un suono\n',
    'Rock.zbl': ['Brani/uno.wav', 'Brani/due.wav'], 'Rotta.zbl': b'Lista XYZ\r\n 1 \r\nx\r\n/x\r\n',
    'Doppia.zbl': ['a.wav', 'vuoto.wav', 'a.wav', 'rotto.wav'],
    'Brani/uno.wav': 0.1, 'Brani/due.wav': 0.2, 'Brani/tre.WAV': 0.3, 'Brani/canto.mp3': 0.2,
    'Brani/.nascosto.wav': 0.1, 'Brani/note.txt': b'appunti\n', 'Brani/LEGGIMI': b'leggimi\n',
    'Brani/Sotto/quattro.wav': 0.1,
    'Liste/Vuota.zbl': [], 'Liste/Persa.zbl': ['Brani/perso.wav', '/nessuno/altro.wav'],
    'MOUNT/lento/cinque.wav': 0.1, 'MOUNT/lento/sei.wav': 0.3,
    'MOUNT/Lenta.zbl': ['MOUNT/lento/cinque.wav', 'MOUNT/lento/sei.wav', 'rotto.wav'],
    'MOUNT/Guasta.zbl': b'Lista ZEB\r\n 3 \r\nuno\r\n',
}


def make_files(mount):
    """Writes FILES; returns the kind of each medium, and the real place of a path on the mount."""
    def path_of(name):
        return name.replace('MOUNT', MOUNT, 1) if name.startswith(('MOUNT/', '/')) else join(PROGRAM, name)

    def real(path):
        return mount.backing(os.path.relpath(path, MOUNT)) if within(path, MOUNT) else path

    kinds = {}
    for name, what in FILES.items():
        path = path_of(name)
        os.makedirs(os.path.dirname(real(path)), exist_ok=True)
        if isinstance(what, float):
            kinds[path] = 'good' if what else 'empty'
            if what:
                write_sound(real(path), what)
            else:
                with wave.open(real(path), 'wb') as empty:
                    empty.setnchannels(1), empty.setsampwidth(2), empty.setframerate(8000)
            continue
        if isinstance(what, list):
            what = encode_list([(display_name(os.path.basename(p)), path_of(p)) for p in what])
        with open(real(path), 'wb') as file:
            file.write(what)
    return kinds, real


def snapshot():
    """Every file in the folders the user can reach: its bytes, or its size and time when large. Hidden
    files, ZEB's lock on its settings among them, are never listed."""
    files = {}
    for shown, real in ROOTS:
        for folder, folders, names in os.walk(real):
            folders[:] = [f for f in folders if not f.startswith('.')]  # never listed, so never chosen
            for name in (n for n in names if not n.startswith('.')):
                path = os.path.join(folder, name)
                info = os.stat(path)
                files[shown + path[len(real):]] = (open(path, 'rb').read() if info.st_size < 1 << 20
                                                   else (info.st_size, info.st_mtime_ns))
    return files


class Ui:
    """ZEB's controls, found once through the accessibility interface."""

    def __init__(self):
        self.app, self.main = application(), window_titled('ZEB')
        found = {(n.getRoleName(), n.name): n for n in reversed(list(walk(self.main)))}
        self.hint = next(n for n in walk(self.main) if n.description == 'Suggerimento')
        self.buttons = {name: node for (role, name), node in found.items() if role == 'push button'}
        self.dir1, self.file1, self.playlist, self.dir2, self.file2 = (found['list', n] for n in (
            'Cartelle', 'File multimediali', 'Lista dei brani', 'Cartelle delle liste', 'File delle liste'))
        self.chooser, self.text1 = found['frame', 'Scelta del file di lista'], found['text', 'Nome del file']
        self.drive1, self.drive2 = (next(n for n in walk(w) if n.getRoleName() == 'combo box')
                                    for w in (self.main, self.chooser))
        self.setup = None

    def settings(self, role, name):
        if self.setup is None:
            self.setup = {(n.getRoleName(), n.name): n for n in walk(window_titled('ZEB Setup'))}
        return self.setup[role, name]

    def windows(self):
        return [w for w in (self.app.getChildAtIndex(i) for i in range(self.app.childCount))
                if w is not None and showing(w)]

    def box(self):
        return next((w for w in self.windows() if w.getRoleName() in ('alert', 'dialog')), None)


def press_keys(m, keys):
    focus_window(m.caption)
    key(keys)
    settle(0.15)  # the test then looks at what Qt selected


def add_format(text):
    click(UI.settings('push button', 'Aggiungi'))
    asked = dialog('ZEB', 10)
    if text is None:
        return close_box(asked, 'Annulla')
    find(None, 'text', asked).queryEditableText().setTextContents(text)
    close_box(asked, 'OK')


def play_all(m, how):
    """A queue that plays for ever ends by Esci or by the viewer's close box, after a while."""
    click(UI.buttons[PLAY])
    if m.plays_forever():
        viewer = window_titled('[ZEB] ', 10)
        settle(how[0])
        if how[1] == 'esci':
            click(find('Esci', 'push button', viewer))
        else:
            request_close('[ZEB] ', whole=False)


def open_folder(m, lists, row, how):
    """A double-click or Enter on a folder; or, on a slow one, a double-click and at once another drive."""
    if how == 'invio':
        click(entries(lists[0])[row])
        return press_keys(m, 'Return')
    double_click(entries(lists[0])[row])
    if how == 'ripensa':
        pick_from_combo(lists[1], PROGRAM_DRIVE)


def folder_opened(m, browser, row, how):
    if how != 'ripensa':
        return m.read(browser, browser.drive, browser.folder_items()[row][1])
    m.slow = True  # the slow folder's listing comes late, and is to be left unshown
    m.read(browser, PROGRAM_DRIVE, browser.folders[PROGRAM_DRIVE])


def folder_choices(m, browser):
    """Folders within the program's folder or the mount."""
    return [(i, how) for i, (_, path) in enumerate(browser.folder_items())
            if within(path, PROGRAM) or within(path, MOUNT)
            for how in ('doppio', 'invio') + (('ripensa',) if m.is_slow(path, 'readdir') else ())]


def set_(target, **values):
    for name, value in values.items():
        setattr(target, name, value)


def playing(m, messages):
    m.playing = True  # the viewer is to come and go
    return messages


def file_double_clicked(m, row):
    m.click_file(row)
    if m.clicco == 0:
        return m.add(m.file_sel)
    return playing(m, m.play_messages([join(m.browser.folder, m.browser.files[row])]))


def key_in_list(m, focus, name):
    """Arrows move the selection from the current row, with shift in the files a range; Delete in the
    playlist removes; Enter does what a double-click does: it plays the selected entry, adds the selected
    files, or confirms the list file."""
    messages = None
    c = m.chooser
    if name == 'Delete' and focus == 'brani':
        m.remove()
    elif name == 'Return' and focus == 'brani' and m.sel is not None:
        messages = playing(m, m.play_messages([m.playlist[m.sel][1]]))
    elif name == 'Return' and focus == 'file':
        messages = m.add(m.file_sel)
    elif name == 'Return' and focus == 'liste':
        messages = m.confirm()
    elif name in ('Up', 'Down', 'shift+Up', 'shift+Down'):
        # In the playlist and the chooser one row is selected, and it is the current one.
        if focus == 'brani':
            m.sel = moved(m.sel, len(m.playlist), name)
        elif focus == 'liste':
            c.sel = moved(c.sel, len(c.files), name)
            c.text = c.files[c.sel] if c.sel is not None else c.text  # the name follows the selection
        else:
            m.file_key(name)
    m.focus = focus if name != 'Tab' else None
    return messages


def file_keys(m):
    """With a double-click that plays, Enter plays the current file, which the model does not follow."""
    keys = ['Up', 'Down', 'shift+Down', 'shift+Up', 'Delete', 'Tab']
    return keys + ['Return'] if m.clicco == 0 and len(m.added(m.file_sel)) <= MAX_ROWS else keys


def remove_format(m):
    if m.picked is not None:
        del m.formats[m.picked]
        m.picked = None


def confirm_choices(m):
    """While a slow list file is read, the user may wait, cancel, or, when it is a list file, ask to close
    (answered No) or look at the about window, the file read meanwhile."""
    c = m.chooser
    if not (c.mode == 'leggi' and c.text and m.is_slow(m.list_path(), 'open')):
        return [None]
    return ['attendi', 'annulla'] + (['chiusura', 'informazioni'] if decode_list(m.disk.get(m.list_path())) else [])


def confirm(m, how):
    click(UI.buttons[CONFIRM])
    if how in (None, 'attendi'):
        return
    settle(0.3)
    if how == 'annulla':
        return click(UI.buttons[CANCEL])
    if how == 'chiusura':
        request_close(m.caption)
    else:
        click(UI.buttons[ABOUT])
    settle(SLOW + 0.5)  # the list file is read meanwhile
    if how == 'chiusura':
        answer_box([EXIT], 'No', 10)
    else:
        click(find('Torna a ZEB', 'push button'))


def when(test, choices):
    return lambda m: choices(m) if test(m) else []


def main_free(m):
    return m.free()


def settings_on(m):
    return m.settings_open


def chooser_on(m):
    return m.chooser.mode and m.hidden_by is None and not m.settings_open


def toggle(name, attribute):
    return Action(name, 2, when(settings_on, ONE), lambda m, a: click(UI.settings('check box', name)),
                  lambda m, a: setattr(m, attribute, not getattr(m, attribute)))


Action = collections.namedtuple('Action', 'name weight choices do effect')
ONE = lambda m: [None]  # noqa: E731
ROWS = lambda m: list(range(len(m.playlist)))  # noqa: E731
FILE_ROWS = lambda m: list(range(len(m.chooser.files)))  # noqa: E731
DRIVES = lambda m: [PROGRAM_DRIVE, HOME, MOUNT]  # noqa: E731

# What the user may do: how often (a number, or one of the model), the choices the model allows now (none:
# not now), how to do it, and how the model changes, which returns the messages to expect (each a list of
# the texts it may say).
ACTIONS = [
    Action('aggiungi', lambda m: 6 if m.file_sel else 1,
           when(main_free, lambda m: [None] if len(m.added(m.file_sel)) <= MAX_ROWS else []),
           lambda m, a: click(UI.buttons[ADD]), lambda m, a: m.add(m.file_sel)),
    Action('elimina', 2, when(main_free, ONE), lambda m, a: click(UI.buttons[REMOVE]), lambda m, a: m.remove()),
    Action('su', 2, when(main_free, ONE), lambda m, a: click(UI.buttons[UP]), lambda m, a: m.move(-1)),
    Action('giù', 2, when(main_free, ONE), lambda m, a: click(UI.buttons[DOWN]), lambda m, a: m.move(1)),
    Action('nuova lista', 1, when(main_free, lambda m: ['Sì', 'No']),
           lambda m, a: (click(UI.buttons[NEW]), answer_box([NEW_LIST], a, 10)),
           lambda m, a: m.replace([], '') if a == 'Sì' else None),
    Action('esegui tutti', lambda m: 4 if m.queue() else 1,
           when(main_free, lambda m: [(0.2, 'esci'), (0.6, 'esci'), (0.4, 'chiusura')]), play_all,
           lambda m, a: m.queue() and playing(m, [] if m.plays_forever() else m.play_messages(m.queue()))),
    Action('esegui brano', 3, when(main_free, ROWS), lambda m, a: double_click(entries(UI.playlist)[a]),
           lambda m, a: (set_(m, sel=a, focus='brani'), playing(m, m.play_messages([m.playlist[a][1]])))[1]),
    Action('clic brano', 3, when(main_free, ROWS),
           lambda m, a: (click(entries(UI.playlist)[a]),
                         wait_for('the path in the hint line', lambda: UI.hint.name == m.playlist[a][1], 1)),
           lambda m, a: set_(m, sel=a, focus='brani')),
    Action('tasto brani', 5, when(lambda m: main_free(m) and m.focus == 'brani',
                                  lambda m: ['Delete', 'Up', 'Down', 'Return', 'Tab']),
           press_keys, lambda m, a: key_in_list(m, 'brani', a)),
    Action('clic file', 5, when(main_free, lambda m: [(i, k) for i in range(len(m.browser.files))
                                                      for k in ('', '', 'shift', 'ctrl')]),
           lambda m, a: click_with(a[1], entries(UI.file1)[a[0]]),
           lambda m, a: (m.click_file(*a), set_(m, focus='file'))[1]),
    Action('tasto file', 5, when(lambda m: main_free(m) and m.focus == 'file', file_keys),
           press_keys, lambda m, a: key_in_list(m, 'file', a)),
    Action('doppio clic file', 4, when(main_free, lambda m: [i for i, f in enumerate(m.browser.files)
                                                             if m.clicco or len(m.added([f])) <= MAX_ROWS]),
           lambda m, a: double_click(entries(UI.file1)[a]), file_double_clicked),
    Action('cartella', 3, when(main_free, lambda m: folder_choices(m, m.browser)),
           lambda m, a: open_folder(m, (UI.dir1, UI.drive1), *a), lambda m, a: folder_opened(m, m.browser, *a)),
    Action('unità', 1, when(main_free, DRIVES), lambda m, a: pick_from_combo(UI.drive1, a),
           lambda m, a: m.read(m.browser, a, m.browser.folders[a])),
    Action('impostazioni', 2, when(main_free, ONE), lambda m, a: click(UI.buttons[SETUP]),
           lambda m, a: set_(m, settings_open=True)),
    Action('salva', 2, when(main_free, ONE), lambda m, a: click(UI.buttons[SAVE]),
           lambda m, a: m.open_chooser('salva')),
    Action('leggi', 2, when(main_free, ONE), lambda m, a: click(UI.buttons[LOAD]),
           lambda m, a: m.open_chooser('leggi')),
    Action('informazioni', 1, when(lambda m: m.hidden_by is None and not m.settings_open, ONE),
           lambda m, a: click(UI.buttons[ABOUT]), lambda m, a: set_(m, hidden_by='about')),
    Action('torna', 1, when(lambda m: m.hidden_by == 'about', ONE),
           lambda m, a: click(find('Torna a ZEB', 'push button')), lambda m, a: set_(m, hidden_by=None)),
    Action('chiusura no', 1, lambda m: ['finestra', 'bottone'] if m.free() else
           ['finestra'] if m.hidden_by is None and not m.settings_open else [],
           lambda m, a: (request_close(m.caption) if a == 'finestra' else click(UI.buttons[CLOSE]),
                         answer_box([EXIT], 'No', 10)),
           lambda m, a: None),
    # The settings window, which keeps the main window from taking anything, close requests included.
    Action('chiusura ignorata', 1, when(settings_on, ONE), lambda m, a: request_close(m.caption),
           lambda m, a: None),
    Action('formato nuovo', 2, when(lambda m: settings_on(m) and len(m.formats) < 7, lambda m: [
        f for f in FORMAT_POOL if f.lower() not in [e.lower() for e, _ in m.formats]]),
           lambda m, a: add_format(a), lambda m, a: m.formats.append([a, True])),
    Action('formato errato', 1, when(settings_on, lambda m: ['', 'mp', 'flac', None]), lambda m, a: add_format(a),
           lambda m, a: [[WRONG_LENGTH]]),
    Action('formato doppio', 1, when(settings_on, lambda m: [e.swapcase() for e, _ in m.formats]),
           lambda m, a: add_format(a), lambda m, a: [[ALREADY_PRESENT]]),
    Action('scegli formato', 2, when(settings_on, lambda m: list(range(len(m.formats)))),
           lambda m, a: click(entries(UI.settings('list', 'Formati riconosciuti'))[a], at=(60, 7)),
           lambda m, a: set_(m, picked=a)),
    # A click on the tick alone does not pick the format.
    Action('spunta formato', 2, when(settings_on, lambda m: list(range(len(m.formats)))),
           lambda m, a: click(entries(UI.settings('list', 'Formati riconosciuti'))[a], at=(9, 7)),
           lambda m, a: m.formats[a].__setitem__(1, not m.formats[a][1])),
    Action('elimina formato', 2, when(settings_on, ONE), lambda m, a: click(UI.settings('push button', 'Elimina')),
           lambda m, a: remove_format(m)),
    toggle(CONTINUO, 'continuo'),
    toggle(RANDOM, 'random'),
    Action('doppio clic esegue', 1, when(settings_on, lambda m: [0, 1]),
           lambda m, a: click(UI.settings('radio button', ('Inserisce il file nella lista', 'Esegue il file')[a])),
           lambda m, a: set_(m, clicco=a)),
    Action('ok', 2, when(settings_on, lambda m: ['OK', 'Escape']),
           lambda m, a: click(UI.settings('push button', 'OK')) if a == 'OK' else (
               focus_window('ZEB Setup'), key('Escape')),
           lambda m, a: m.close_settings()),
    # The list-file chooser over the main window.
    Action('lista: clic', 4, when(chooser_on, FILE_ROWS), lambda m, a: click(entries(UI.file2)[a]),
           lambda m, a: (set_(m.chooser, sel=a, text=m.chooser.files[a]), set_(m, focus='liste'))[1]),
    Action('lista: doppio clic', 2, when(chooser_on, FILE_ROWS), lambda m, a: double_click(entries(UI.file2)[a]),
           lambda m, a: (set_(m.chooser, text=m.chooser.files[a]), m.confirm())[1]),
    Action('lista: tasto', 5, when(lambda m: chooser_on(m) and m.focus == 'liste',
                                   lambda m: ['Up', 'Down', 'Return', 'Tab']),
           press_keys, lambda m, a: key_in_list(m, 'liste', a)),
    Action('lista: elimina', 2, when(chooser_on, lambda m: [(i, b) for i in FILE_ROWS(m) for b in ('Sì', 'No')]),
           lambda m, a: (click(entries(UI.file2)[a[0]]), press_keys(m, 'Delete'), answer_box([DELETE], a[1], 10)),
           lambda m, a: m.delete_list(a[0], a[1] == 'Sì')),
    Action('lista: nome', 2, when(chooser_on, lambda m: NAME_POOL),
           lambda m, a: (click(UI.text1), press_keys(m, 'ctrl+a'), type_text(a)),
           lambda m, a: set_(m.chooser, text=a) if m.chooser.mode == 'salva' else None),
    Action('lista: conferma', 3, when(chooser_on, confirm_choices), confirm,
           lambda m, a: m.confirm(cancel=a == 'annulla')),
    Action('lista: annulla', 2, when(chooser_on, lambda m: ['pulsante', 'Escape']),
           lambda m, a: click(UI.buttons[CANCEL]) if a == 'pulsante' else press_keys(m, 'Escape'),
           lambda m, a: set_(m.chooser, mode=None)),
    Action('lista: cartella', 2, when(chooser_on, lambda m: folder_choices(m, m.chooser)),
           lambda m, a: open_folder(m, (UI.dir2, UI.drive2), *a), lambda m, a: folder_opened(m, m.chooser, *a)),
    Action('lista: unità', 2, when(chooser_on, DRIVES), lambda m, a: pick_from_combo(UI.drive2, a),
           lambda m, a: m.read(m.chooser, a, m.chooser.folders[a])),
]


def observe(m):
    got = {'caption': UI.main.name, 'main shown': showing(UI.main), 'chooser shown': showing(UI.chooser),
           'viewer shown': any(w.name.startswith('[ZEB]') for w in UI.windows())}
    if m.hidden_by is None:
        files = entry_names(UI.file1)
        got.update(playlist=entry_names(UI.playlist), sel=(selected_rows(UI.playlist) or [None])[0],
                   drive=choice(UI.drive1), folders=entry_names(UI.dir1), files=files,
                   file_sel=[files[i] for i in selected_rows(UI.file1)])
    if m.chooser.mode:
        got.update(drive2=choice(UI.drive2), folders2=entry_names(UI.dir2), files2=entry_names(UI.file2),
                   sel2=(selected_rows(UI.file2) or [None])[0], text=UI.text1.queryText().getText(0, -1))
    if m.settings_open:
        formats = UI.settings('list', 'Formati riconosciuti')
        options = [UI.settings('check box', CONTINUO), UI.settings('check box', RANDOM),
                   UI.settings('radio button', 'Esegue il file')]
        got.update(formats=[[e.name, state(e, pyatspi.STATE_CHECKED)] for e in entries(formats)],
                   picked=selected_rows(formats), options=[state(o, pyatspi.STATE_CHECKED) for o in options])
    return got


def expected(m, got):
    """What ZEB should show; where the model does not follow Qt (a range of files with no row to run from,
    see Selection.extend), what it shows now."""
    b, c = m.browser, m.chooser
    if m.file_sel == '?' and 'file_sel' in got:
        m.file_sel = got['file_sel']
        m.files.shown(b.files.index(f) for f in m.file_sel)
    want = {'caption': m.caption, 'main shown': m.hidden_by is None, 'viewer shown': False,
            'chooser shown': bool(c.mode) and m.hidden_by is None}
    if m.hidden_by is None:
        want.update(playlist=[n for n, _ in m.playlist], sel=m.sel, drive=b.drive, files=b.files,
                    folders=[n for n, _ in b.folder_items()], file_sel=m.file_sel)
    if c.mode:
        want.update(drive2=c.drive, folders2=[n for n, _ in c.folder_items()], files2=c.files, sel2=c.sel, text=c.text)
    if m.settings_open:
        want.update(formats=m.formats, picked=[] if m.picked is None else [m.picked],
                    options=[m.continuo, m.random, m.clicco == 1])
    return want


def hover(m, n):
    """The window answers: the hint line names the button under the pointer within a second. The pointer
    keeps moving a little, as a hand on the mouse does, so that a window shown again just now sees it."""
    name = ABOUT if n % 2 else CANCEL if m.chooser.mode else NEW
    x, y = centre(UI.buttons[name])
    deadline = time.monotonic() + 1
    for shift in itertools.cycle((0, 2)):
        move_pointer(x + shift, y)
        time.sleep(0.05)
        if UI.hint.name == name:
            return
        if time.monotonic() > deadline:
            fail('the hint line did not name %r within 1 s, but %r' % (name, UI.hint.name))


def unexpected_box():
    box = UI.box()
    if box is not None:
        fail('a box nobody expected says %r' % box_text(box))


def answers():
    begin = time.monotonic()
    UI.main.name, UI.main.childCount
    if time.monotonic() - begin > 1:
        fail('the main window took %.1f s to answer' % (time.monotonic() - begin))


def check(m, n, started, gone):
    if not ZEB.alive():
        fail('ZEB is no longer running:\n' + ZEB.errors()[-3000:])
    answers()
    if m.playing:
        wait_for('the viewer to come and go', lambda: WATCH.count() > gone, 20)
    while m.slow and time.monotonic() < started + SLOW + 1:  # as a user waits for the busy pointer to go
        time.sleep(0.2)
        answers()
    if m.hidden_by is None and not m.settings_open:
        hover(m, n)
    end = time.monotonic() + (20 if m.playing or m.slow else 3)
    while True:
        unexpected_box()
        try:
            got = observe(m)
            want = expected(m, got)
        except Exception as error:  # a list filled anew while it was read
            got, want = None, error
        if got == want:
            break
        if time.monotonic() > end:
            fail('the windows could not be read: %s' % want if got is None else
                 'the windows differ from the model:\n' + '\n'.join(
                     '  %s: shown %r, expected %r' % (k, got.get(k), want[k]) for k in want if got.get(k) != want[k]))
        time.sleep(0.1)
    unexpected_box()
    if not m.playing and WATCH.count() != gone:
        fail('the viewer came up, though nothing was to play')
    disk = snapshot()
    if disk != m.disk:
        fail('the files on disk differ from the model: ' + ', '.join(
            '%s %s' % (p, 'appeared' if p not in m.disk else 'vanished' if p not in disk else 'changed')
            for p in sorted(set(disk) | set(m.disk)) if disk.get(p) != m.disk.get(p)))


def perform(m, action, arg, taken):
    shown = '' if arg is None else ' ' + str(arg).replace(MOUNT, 'MOUNT').replace(HOME, 'HOME')
    taken.append(action.name + shown)
    started, gone = time.monotonic(), WATCH.count()
    action.do(m, arg)
    m.focus, m.slow, m.playing = None, False, False
    for texts in action.effect(m, arg) or []:
        answer_box(texts, 'OK', 20)
    check(m, len(taken), started, gone)


def finish(m, taken):
    """Back to the main window, then a confirmed exit; the settings file must hold what the user set."""
    for name in ('ok', 'torna', 'lista: annulla'):
        action = next(a for a in ACTIONS if a.name == name)
        if action.choices(m):
            perform(m, action, action.choices(m)[0], taken)
    taken.append('chiudi sì')
    click(UI.buttons[CLOSE])
    answer_box([EXIT], 'Sì', 10)
    ZEB.wait_for_exit()
    path = join(PROGRAM, 'ZEBcfg.dat')
    m.disk[path] = data = open(path, 'rb').read()
    count = integer_record(data, 10)
    written = {'list': text_record(data, 1), 'options': [integer_record(data, r) for r in (2, 3, 4)],
               'formats': [[text_record(data, 11 + i), text_record(data, 11 + count + i) == 'si']
                           for i in range(count)]}
    want = {'list': m.current, 'options': [int(m.continuo), int(m.random), m.clicco], 'formats': m.formats}
    if written != want:
        fail('the settings file holds %r, not %r' % (written, want))
    if snapshot() != m.disk:
        fail('the files on disk differ from the model after the exit')


def run(seed, seconds, steps, taken):
    global UI, WATCH, ZEB, MOUNT, PROGRAM_DRIVE, ROOTS
    with TestMount() as mount:
        MOUNT = mount.path()
        kinds, real = make_files(mount)
        with open(join(PROGRAM, 'ZEBcfg.dat'), 'wb') as file:
            file.write(settings_file(FORMATS, join(PROGRAM, 'Rock.zbl')))
        mount.set_rules([{'path': '/' + p, 'op': op, 'delay': SLOW} for p, op in SLOW_PATHS])
        ROOTS = [(PROGRAM, PROGRAM), (HOME, HOME), (MOUNT, mount.backing())]
        ZEB = Zeb(PROGRAM, HOME)
        try:
            UI, WATCH = Ui(), WindowWatch('[ZEB]')  # the viewer
            drives = entry_names(UI.drive1.getChildAtIndex(0))
            if MOUNT not in drives:
                fail('the drive list does not offer the test mount: %s' % drives)
            m = Model(PROGRAM, drives, FORMATS, join(PROGRAM, 'Rock.zbl'), snapshot(), real, kinds,
                      [(join(MOUNT, p), op) for p, op in SLOW_PATHS])
            PROGRAM_DRIVE = m.browser.drive
            check(m, 0, time.monotonic(), WATCH.count())
            rng, end = random.Random(seed), time.monotonic() + seconds
            while time.monotonic() < end and len(taken) < steps:
                possible = [(action, choices) for action in ACTIONS if (choices := action.choices(m))]
                weights = [a.weight(m) if callable(a.weight) else a.weight for a, _ in possible]
                action, choices = rng.choices(possible, weights)[0]
                perform(m, action, rng.choice(choices), taken)
            taken.append(END)
            finish(m, taken)
            return taken.index(END)
        finally:
            ZEB.kill()


def soak(seed, seconds, steps):
    """One seed's run on a ZEB and files of its own; exits on a failure, with the replay."""
    global PROGRAM, HOME
    print('seed %d' % seed, flush=True)
    work = os.path.realpath(tempfile.mkdtemp(prefix='zeb-soak-'))
    PROGRAM, HOME = join(work, 'zeb'), join(work, 'home')
    os.makedirs(HOME)
    install(os.environ['ZEB_BINARY'], PROGRAM)
    taken, begin = [], time.monotonic()
    try:
        count = run(seed, 1e9 if steps else seconds, steps or 1e9, taken)
    except Exception as error:
        print('FAILED at step %d (seed %d): %s\nsteps: %s\nreplay: --seed %d --steps %d' % (
            len(taken), seed, error if isinstance(error, Failure) else traceback.format_exc(),
            '; '.join('%d %s' % (i + 1, s) for i, s in enumerate(taken)), seed,
            taken.index(END) if END in taken else len(taken)), file=sys.stderr)
        sys.exit(1)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print('seed %d: passed, %d steps in %.0f s' % (seed, count, time.monotonic() - begin), flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--seconds', type=float, default=120, help='for all the seeds together')
    parser.add_argument('--seed', type=int, action='append', default=[], help='a seed to run; may be repeated')
    parser.add_argument('--fresh', action='store_true', help='then a fresh seed, as without --seed')
    parser.add_argument('--steps', type=int, help='take these many steps, whatever the time (to replay a failure)')
    options = parser.parse_args()
    why = unavailable()
    if why:
        print('SKIPPED: %s' % why, flush=True)
        sys.exit(SKIPPED)
    if 'ZEB_SOAK_MOUNTS' not in os.environ:
        os.environ['ZEB_SOAK_MOUNTS'] = 'own'
        os.execvp('unshare', ['unshare', '--mount', '--propagation', 'private', sys.executable] + sys.argv)
    seeds = options.seed + ([random.SystemRandom().randrange(1 << 32)] if options.fresh or not options.seed else [])
    print('seeds %s%s' % (', '.join(map(str, seeds[:len(options.seed)])) or '-',
                          ', fresh %d' % seeds[-1] if len(seeds) > len(options.seed) else ''), flush=True)
    for seed in seeds:
        soak(seed, options.seconds / len(seeds), options.steps)
    print('soak_test.py: passed, seeds %s' % ', '.join(map(str, seeds)))


if __name__ == '__main__':
    main()
