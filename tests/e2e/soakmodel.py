"""The soak test's picture of ZEB: what the user has done so far, and so what ZEB should show, play, ask
and keep on disk. It reads folders from the disk, which the test checks against it after every step."""
import os

NOT_A_LIST = 'Il file selezionato non è valido.'
CANNOT_PLAY = 'Impossibile riprodurre il file:\n'
WRONG_LENGTH = "E' necessario inserire un'estensione di 3 caratteri. Azione annullata."
ALREADY_PRESENT = 'Questo formato è già attivo!'
MAX_ROWS = 8  # what the lists show without scrolling, so that every entry can be clicked


def within(path, root):
    return path == root or path.startswith(root.rstrip('/') + '/')


def join(folder, name):
    return folder.rstrip('/') + '/' + name


def display_name(file_name):
    return file_name if len(file_name) < 4 else file_name[:-4]


def encode_list(tracks):
    lines = ['Lista ZEB', ' %d ' % len(tracks)] + [n for n, _ in tracks] + [p for _, p in tracks]
    return ''.join(line + '\r\n' for line in lines).encode()


def decode_list(data):
    """The tracks of a list file as the test writes them, or None for anything else."""
    try:
        lines = data.decode().split('\r\n')
        count = int(lines[1].strip())
    except (AttributeError, UnicodeDecodeError, IndexError, ValueError):
        return None
    if lines[0].lower() != 'lista zeb' or len(lines) < 2 + 2 * count:
        return None
    return list(zip(lines[2:2 + count], lines[2 + count:2 + 2 * count]))


def without_repeats(tracks):
    """Each path (ignoring case) once, at its latest place."""
    last = {path.lower(): i for i, (_, path) in enumerate(tracks)}
    return [t for i, t in enumerate(tracks) if last[t[1].lower()] == i]


class Browser:
    """A drive list, folder list and file list: the main window's or the chooser's. Each drive keeps its
    own folder; the lists show what the last read found."""

    def __init__(self, drives, working):
        self.drives = drives
        self.folders = {d: d for d in drives}
        self.drive = self.drive_of(working)
        self.folders[self.drive] = working
        self.folder, self.subfolders, self.files = None, [], []

    def drive_of(self, path):
        return max((d for d in self.drives if within(path, d)), key=len)

    def folder_items(self):
        """(shown name, path) of the folder list: the chain from the drive's root, then the subfolders."""
        chain, below = [(self.drive, self.drive)], os.path.relpath(self.folder, self.drive)
        for name in ([] if below == '.' else below.split('/')):
            chain.append((name, join(chain[-1][1], name)))
        return chain + [(name, join(self.folder, name)) for name in self.subfolders]


def moved(row, count, key):
    """Where Up or Down takes the current row of a list of count rows: one on, never past an end; from no
    current row, to the first."""
    if not count:
        return None
    if row is None:
        return 0
    return min(max(row + (-1 if key.endswith('Up') else 1), 0), count - 1)


class Selection:
    """The selection of the list of media files, which takes several rows, as Qt moves it: the current row,
    the row a range runs from (none once the list is filled anew), the rows the commands before the last one
    left, and the last one's rows, selected or deselected, which a range replaces while it grows."""

    def __init__(self):
        self.reset()

    def reset(self):
        self.current = self.anchor = None
        self.clear()

    def clear(self):
        """ZEB takes the selected files: the current row and the anchor stay."""
        self.kept, self.selects, self.last = set(), True, set()

    def rows(self):
        return sorted(self.kept | self.last if self.selects else self.kept - self.last)

    def only(self, row):
        """A click, or Up or Down."""
        self.clear()
        self.last, self.current, self.anchor = {row}, row, row

    def toggle(self, row):
        """A click with ctrl."""
        self.kept, self.selects, self.last = set(self.rows()), row not in self.rows(), {row}
        self.current = self.anchor = row

    def extend(self, row):
        """A click with shift, or shift with Up or Down: the rows from the anchor to this one. False without
        an anchor: Qt then reaches from a corner of the list, a matter of its geometry that the model does
        not copy."""
        self.current = row
        if self.anchor is None:
            return False
        low, high = sorted((self.anchor, row))
        self.selects, self.last = True, set(range(low, high + 1))
        return True

    def key(self, name, count):
        """Up or Down, shift+Up or shift+Down; False where Qt's choice is not followed."""
        row = moved(self.current, count, name)
        if row is None or row == self.current:
            return True  # at an end nothing moves, the selection included
        if not name.startswith('shift+'):
            self.only(row)
            return True
        if self.anchor is None:
            self.anchor = self.current  # a range by keys runs from the row that was current
        return self.extend(row)

    def shown(self, rows):
        """What Qt selected where the model did not follow it: a range that a later one replaces."""
        self.clear()
        self.last = set(rows)


class Model:
    def __init__(self, program, drives, formats, list_file, disk, real, kinds, slow_paths):
        # real: where a path that ZEB sees is on disk; kinds: 'good' or 'empty' media (others are bad);
        # slow_paths: (path, 'readdir' or 'open'), the operations slow at and below the path.
        self.real, self.kinds, self.slow_paths = real, kinds, slow_paths
        self.disk = dict(disk)
        self.formats = [list(f) for f in formats]
        self.continuo = self.random = False
        self.clicco = 0
        self.replace(decode_list(self.disk[list_file]), list_file)
        self.sel = None
        self.files = Selection()  # of the media files; file_sel names them, or is '?' where the test looks
        self.file_sel = []
        self.focus = None  # the list that last took a click, whose keys the next step may press
        self.hidden_by = None  # 'about' while the about window replaces the main window
        self.settings_open, self.picked = False, None
        self.slow = self.playing = False  # the last step waits on the slow mount, or plays
        self.browser, self.chooser = Browser(drives, program), Browser(drives, program)
        self.chooser.mode, self.chooser.text, self.chooser.sel = None, '', None  # mode: 'salva', 'leggi'
        self.shown_pattern = self.pattern()  # the file list's pattern, taken when the settings window closes
        self.read(self.browser, self.browser.drive, program)

    def is_slow(self, path, operation):
        return any(within(path, p) and operation == op for p, op in self.slow_paths)

    def free(self):
        """The main window takes input: nothing covers it."""
        return self.hidden_by is None and not self.settings_open and not self.chooser.mode

    def pattern(self):
        return ';'.join('*.' + e for e, _ in self.formats) or '*.'

    def matches(self, browser, name):
        if browser is self.chooser:
            return name.lower().endswith('.zbl')
        if not self.formats:
            return '.' not in name
        return any(name.lower().endswith('.' + e.lower()) for e, _ in self.formats)

    def read(self, browser, drive, folder):
        self.slow = self.slow or self.is_slow(folder, 'readdir')
        with os.scandir(self.real(folder)) as entries:
            entries = [e for e in entries if not e.name.startswith('.')]
        browser.drive, browser.folder = drive, folder
        browser.folders[drive] = folder
        browser.subfolders = sorted((e.name for e in entries if e.is_dir()), key=str.lower)
        browser.files = sorted((e.name for e in entries if e.is_file() and self.matches(browser, e.name)),
                               key=str.lower)
        if browser is self.browser:
            self.files.reset()
            self.file_sel = []
        else:
            browser.sel = None

    def reread(self, browser):
        self.read(browser, browser.drive, browser.folder)

    def added(self, files):
        """The playlist once these files of the browser's folder are added."""
        return without_repeats(self.playlist + [(display_name(f), join(self.browser.folder, f)) for f in files])

    def add(self, files):
        new = self.added(files)
        if len(new) != len(self.playlist) + len(files):
            self.sel = None  # repeats removed: the list is shown anew
        self.playlist, self.file_sel = new, []
        self.files.clear()

    def file_selection_changed(self, followed=True):
        self.file_sel = [self.browser.files[r] for r in self.files.rows()] if followed else '?'

    def click_file(self, row, modifier=''):
        if modifier == 'ctrl':
            self.files.toggle(row)
            return self.file_selection_changed()
        if modifier == 'shift':
            return self.file_selection_changed(self.files.extend(row))
        self.files.only(row)
        self.file_selection_changed()

    def file_key(self, name):
        self.file_selection_changed(self.files.key(name, len(self.browser.files)))

    def remove(self):
        if self.sel is not None:
            del self.playlist[self.sel]
            self.sel = self.sel - 1 if self.sel > 0 else (0 if self.playlist else None)

    def move(self, step):
        row = self.sel
        if row is not None and 0 <= row + step < len(self.playlist):
            self.playlist[row], self.playlist[row + step] = self.playlist[row + step], self.playlist[row]
            self.sel = row + step

    def replace(self, tracks, current):
        self.playlist, self.current, self.sel = list(tracks), current, None
        self.caption = 'ZEB - ' + current if current else 'ZEB'

    def load(self, path):
        """Messages to expect when the list file at path is loaded."""
        self.slow = self.slow or self.is_slow(path, 'open')
        tracks = decode_list(self.disk.get(path))
        if tracks is None:
            return [[NOT_A_LIST]]
        self.replace(tracks, path)
        return []

    def save(self, path):
        self.disk[path] = encode_list(self.playlist)
        self.current, self.caption = path, 'ZEB - ' + path

    def close_settings(self):
        self.settings_open = False
        if self.pattern() != self.shown_pattern:
            self.shown_pattern = self.pattern()
            self.reread(self.browser)

    def open_chooser(self, mode):
        """Saving needs a playlist; a save proposes a name while there is no current list file."""
        c = self.chooser
        if mode == 'salva' and not self.playlist:
            return
        c.mode = mode
        c.text = '' if mode == 'leggi' else c.text if self.current else 'NuovaLista.zbl'
        self.read(c, c.drive, c.folder or c.folders[c.drive])

    def list_path(self):
        path = join(self.chooser.folder, self.chooser.text)
        return path if path.lower().endswith('.zbl') else path + '.zbl'

    def confirm(self, cancel=False):
        """The chooser's confirmation, given up at once when cancel; messages to expect."""
        c = self.chooser
        if not c.text:
            return []
        path, mode, c.mode = self.list_path(), c.mode, None
        if cancel:
            return []
        if mode == 'leggi':
            return self.load(path)
        self.save(path)
        return []

    def delete_list(self, row, confirmed):
        c = self.chooser
        c.sel, c.text = row, c.files[row]
        if confirmed:
            path = join(c.folder, c.files[row])
            del self.disk[path]
            self.current = '' if self.current.lower() == path.lower() else self.current
            self.reread(c)
            c.text = ''

    def kind(self, path):
        return self.kinds.get(path, 'bad')

    def queue(self):
        active = [e.lower() for e, ticked in self.formats if ticked]
        return [p for _, p in self.playlist if p[-3:].lower() in active]

    def plays_forever(self):
        return (self.continuo or self.random) and any(self.kind(p) == 'good' for p in self.queue())

    def play_messages(self, paths):
        """A pass over paths that ends: nothing heard and something failed is told once, naming the last
        failure (with Random, any may be last). A file without samples is no failure."""
        if any(self.kind(p) == 'good' for p in paths):
            return []
        bad = [CANNOT_PLAY + p for p in paths if self.kind(p) == 'bad']
        return [bad if self.random else bad[-1:]] if bad else []
