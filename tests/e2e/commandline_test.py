"""ZEB's command line and its one instance per session, on the real program: help, version and a wrong
option without a window; files given to a first ZEB play, named by path or by address as launchers name
them; a second ZEB hands its paths (relative to its own working folder) over to the first and ends at once:
files added to the playlist with a list file, a path that is not there, an address of something other
than a local file, a file to play.
"""
import os
import subprocess
import time
import urllib.parse

from zebdriver import (Zeb, answer_box, answer_question, fail, install, items, main, press, settings_file,
                       wait_for, window_titled, write_sound)


def run_zeb(folder, home, *arguments, cwd=None, without_display=False):
    """A ZEB that is to end by itself: its status, what it wrote, and how long it took."""
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + '/.config')
    if without_display:
        del env['DISPLAY']
    begin = time.monotonic()
    done = subprocess.run([os.path.join(folder, 'zeb'), *arguments], cwd=cwd or folder, env=env,
                          capture_output=True, text=True, timeout=20)
    return done.returncode, done.stdout, done.stderr, time.monotonic() - begin


def without_a_window(folder, home):
    """Help and version go to standard output, a wrong option to standard error; no display is needed."""
    cases = [(['--help'], 0, 'Uso: zeb [--enqueue] [FILE|CARTELLA|LISTA.zbl]...', ''),
             (['--version'], 0, 'zeb 1.20\n', ''),
             (['--nonsense', 'a.wav'], 2, '', 'Uso: zeb'),
             (['-trattino.wav'], 2, '', 'opzione sconosciuta: -trattino.wav\n')]
    for arguments, status, output, error in cases:
        got = run_zeb(folder, home, *arguments, without_display=True)
        if got[0] != status or output not in got[1] or error not in got[2] or bool(got[1]) != bool(output):
            fail('zeb %s: status %d, output %r, error %r' % (' '.join(arguments), *got[:3]))


def handed_over(folder, home, music, *arguments):
    status, _, error, seconds = run_zeb(folder, home, *arguments, cwd=music)
    if status != 0 or seconds >= 1:
        fail('a second zeb %s ended with status %d after %.2f s: %s' % (' '.join(arguments), status, seconds,
                                                                         error))


def run(work):
    folder = os.path.join(work, 'zeb')
    home = os.path.join(work, 'home')
    music = os.path.join(work, 'Musica')
    os.makedirs(os.path.join(music, 'Album'))
    os.makedirs(home)
    install(os.environ['ZEB_BINARY'], folder)
    with open(os.path.join(folder, 'ZEBcfg.dat'), 'wb') as settings:
        settings.write(settings_file([('wav', True)]))
    for name, seconds in (('uno', 1), ('due', 1), ('Album/tre', 2), ('Album/quattro', 0.3)):
        write_sound(os.path.join(music, name + '.wav'), seconds)
    rock = os.path.join(music, 'Rock.zbl')
    with open(rock, 'wb') as file:
        file.write(b'Lista ZEB\r\n 1 \r\nx\r\n/x.wav\r\n')

    without_a_window(folder, home)

    # The files given play at once, in their order, while the playlist stays as it was: a path, and an
    # address as a desktop entry's %U hands it over.
    os.replace(os.path.join(music, 'uno.wav'), os.path.join(music, 'uno è.wav'))
    address = 'file://' + urllib.parse.quote(os.path.join(music, 'uno è.wav'))
    zeb = Zeb(folder, home, cwd=music, arguments=['due.wav', address], window='[ZEB] due')
    window_titled('[ZEB] uno è')
    window_titled('ZEB')
    if items('Lista dei brani'):
        fail('playing the files given filled the playlist: %s' % items('Lista dei brani'))

    handed_over(folder, home, music, '--enqueue', 'Album', 'Rock.zbl', 'uno è.wav')
    window_titled('ZEB - ' + rock)
    wait_for('the added files', lambda: items('Lista dei brani') == ['x', 'quattro', 'tre', 'uno è'])

    handed_over(folder, home, music, 'nowhere.wav', 'http://example.org/uno.wav')
    answer_box(['Il file o la cartella non esiste:\n' + os.path.join(music, 'nowhere.wav')], 'OK')
    answer_box(['ZEB apre soltanto file locali:\nhttp://example.org/uno.wav'], 'OK')

    handed_over(folder, home, music, 'file://localhost' + urllib.parse.quote(os.path.join(music, 'Album/tre.wav')))
    window_titled('[ZEB] tre')
    window_titled('ZEB - ' + rock)

    press('Chiudi ZEB')
    answer_question('Sì')
    zeb.wait_for_exit()


if __name__ == '__main__':
    main(run)
