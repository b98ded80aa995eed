"""ZEB as the desktop combines its ways of starting and ending, on the real program: a confirmed exit asked
for by the media panel while the viewer plays; a hand-over to a first ZEB that does not answer in time;
hand-overs queued behind a message; two ZEBs without a session bus; an installed ZEB started by a new user,
and one in a folder it cannot write; the screen saver held off while a film plays, through stand-ins for
the desktop's screen saver and portal.
"""
import os
import shutil
import signal
import struct
import subprocess
import sys
import time

from zebdriver import (Zeb, answer_box, answer_question, application, dialog, entry_names, fail, install, items,
                       main, search, send_delete_window, settings_file, showing, wait_for, window_titled, write_sound,
                       xdotool)

TIMEOUT = 20


def gdbus(*arguments):
    return subprocess.run(['gdbus', 'call', '--session', *arguments], capture_output=True, text=True,
                          timeout=10)


def owned(name):
    return 'true' in gdbus('--dest', 'org.freedesktop.DBus', '--object-path', '/org/freedesktop/DBus',
                           '--method', 'org.freedesktop.DBus.NameHasOwner', name).stdout


def environment(home):
    return dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + '/.config')


def later_zeb(folder, home, *arguments, env=None):
    """A ZEB started while another runs; what it does is for the caller to wait for."""
    return subprocess.Popen([os.path.join(folder, 'zeb'), *arguments], cwd=folder, env=env or environment(home),
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)


def handed_over(folder, home, *arguments):
    later = later_zeb(folder, home, *arguments)
    if later.wait(TIMEOUT) != 0:
        fail('zeb %s did not hand over: %s' % (' '.join(arguments), later.stderr.read()))


def exit_while_the_viewer_plays(folder, home):
    """Quit from the media panel while a file plays and the main window is hidden: the process ends, and
    with it its names on the bus, as it does from the main window."""
    zeb = Zeb(folder, home, arguments=['lungo.wav'], window='[ZEB] lungo')
    wait_for('the media controls on the bus', lambda: owned('org.mpris.MediaPlayer2.zeb'))
    gdbus('--dest', 'org.mpris.MediaPlayer2.zeb', '--object-path', '/org/mpris/MediaPlayer2', '--method',
          'org.mpris.MediaPlayer2.Quit')
    answer_question('Sì')
    zeb.wait_for_exit()
    if owned('org.zeb.ZEB') or owned('org.mpris.MediaPlayer2.zeb'):
        fail('the names of the ZEB that ended are still on the bus')


def mpris(method):
    gdbus('--dest', 'org.mpris.MediaPlayer2.zeb', '--object-path', '/org/mpris/MediaPlayer2', '--method',
          'org.mpris.MediaPlayer2.' + method)


def screen_kept_awake(folder, home):
    """A film that plays keeps the screen awake, through both services; a sound does not. Pause, Esci and
    the exit let it sleep again, each hold released as it was taken."""
    calls = os.path.join(folder, 'chiamate.txt')
    standin = subprocess.Popen([sys.executable, os.path.join(os.path.dirname(__file__), 'screensaverstandin.py'), calls])
    try:
        wait_for('the stand-in screen saver', lambda: os.path.exists(calls) and 'ready' in open(calls).read())

        def log():
            with open(calls) as lines:
                return [line.split()[0] for line in lines if line.strip() != 'ready']

        def held():
            taken = log()
            return taken.count('Inhibit') - taken.count('UnInhibit'), \
                taken.count('PortalInhibit') - taken.count('Close')

        zeb = Zeb(folder, home, arguments=['breve.wav', 'film.mp4'], window='[ZEB] breve')
        wait_for('the film to hold the screen saver', lambda: held() == (1, 1))
        window_titled('[ZEB] film', timeout=1)
        for step, holds in (('Player.Pause', (0, 0)), ('Player.Play', (1, 1)), ('Player.Stop', (0, 0)),
                            ('Player.Play', (1, 1))):
            mpris(step)
            wait_for('%s to leave %s holds' % (step, holds), lambda: held() == holds)
        mpris('Quit')
        answer_question('Sì')
        zeb.wait_for_exit()
        wait_for('the exit to release the holds', lambda: held() == (0, 0))
        if log().count('Inhibit') != 3:
            fail('the screen saver was asked %d times for three plays of the film' % log().count('Inhibit'))
    finally:
        standin.kill()
        standin.wait()


def windows_shown():
    app = application()
    return [w.name for w in (app.getChildAtIndex(i) for i in range(app.childCount)) if w is not None and showing(w)]


def late_hand_over(folder, home):
    """A first ZEB stopped while a later one hands it a file: the later one gives up and plays the file; the
    first, once it runs again, drops the request it got too late, and takes the next one."""
    first = Zeb(folder, home)
    os.kill(first.process.pid, signal.SIGSTOP)  # nothing of the first may be asked now, not even its windows
    try:
        later = later_zeb(folder, home, 'uno.wav')
        wait_for('the later ZEB to play the file itself', lambda: x_windows_of(later.pid, r'\[ZEB\] uno'))
    finally:
        os.kill(first.process.pid, signal.SIGCONT)
    deadline = int(time.monotonic() * 1000) + 10_000  # the clock the hand-over's deadline is read on
    reply = gdbus('--dest', 'org.zeb.ZEB', '--object-path', '/org/zeb/ZEB', '--method', 'org.zeb.ZEB.Open',
                  "['%s']" % os.path.join(folder, 'due.wav'), 'true', str(deadline))
    if reply.returncode != 0:
        fail('the first ZEB did not take a request in time: ' + reply.stderr)
    # Requests are carried out in the order they came: once the second is, the late one has been looked at.
    def carried_out():
        if any(name.startswith('[ZEB]') for name in windows_shown()):
            return 'played'
        playlist = search('Lista dei brani')
        return playlist and entry_names(playlist) == ['due'] and 'enqueued'
    if wait_for('the file enqueued in time', carried_out) == 'played':
        fail('the first ZEB played the file handed over too late: %s' % windows_shown())
    later.kill()
    later.wait()
    first.kill()


def queued_hand_overs(folder, home):
    """Files enqueued with a list file that is not one stay out of the list file handed over next, while
    the message about the first is still open."""
    zeb = Zeb(folder, home, arguments=['uno.zbl'], window='ZEB - ' + os.path.join(folder, 'uno.zbl'))
    handed_over(folder, home, '--enqueue', 'brutta.zbl', 'tre.wav')
    box = dialog('ZEB')
    handed_over(folder, home, 'due.zbl')
    if not showing(box):
        fail('the message of the list file that is not one went before it was answered')
    answer_box(['Il file selezionato non è valido.'], 'OK')
    window_titled('ZEB - ' + os.path.join(folder, 'due.zbl'))
    if items('Lista dei brani') != ['due']:
        fail('the list file handed over shows %s, not its one entry' % items('Lista dei brani'))
    zeb.kill()


def x_windows_of(pid, title='ZEB'):
    found = subprocess.run(['xdotool', 'search', '--all', '--onlyvisible', '--pid', str(pid), '--name', '^%s$' % title],
                           capture_output=True, text=True).stdout.split()
    return [int(w) for w in found]


def answer_with_enter(process, main_window, what):
    """The box that the ZEB of this process shows over its main window, answered with Enter."""
    pid = process.pid
    box = wait_for(what, lambda: process.poll() is not None or next(
        (w for w in x_windows_of(pid) if w != main_window), None))
    if box is True:
        fail('ZEB ended where it was to ask: ' + what)
    xdotool('windowfocus', '--sync', box)
    xdotool('key', 'Return')
    wait_for('the box to go', lambda: box not in x_windows_of(pid))


def close_by_window_manager(pid):
    window = wait_for('the main window of process %d' % pid, lambda: x_windows_of(pid)[:1])[0]
    send_delete_window(window)
    return window


def main_position(settings):
    with open(settings, 'rb') as file:
        data = file.read()
    return tuple(round(struct.unpack('<f', data[(n - 1) * 128 + 2:(n - 1) * 128 + 6])[0]) for n in (7, 8))


def two_without_a_bus(folder, home):
    """Without a session bus each ZEB runs alone; the second, which found the settings held by the first,
    never writes them, even once the first has gone: it would put back what the first had replaced."""
    env = dict(environment(home), DBUS_SESSION_BUS_ADDRESS='unix:path=' + os.path.join(home, 'no-bus'))
    zebs = []
    try:
        for _ in range(2):  # one after the other: the first to show its window holds the settings
            zebs.append(subprocess.Popen([os.path.join(folder, 'zeb')], cwd=folder, env=env,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            wait_for('the window of process %d' % zebs[-1].pid, lambda: x_windows_of(zebs[-1].pid))
        first, second = zebs
        xdotool('windowmove', '--sync', x_windows_of(first.pid)[0], 300, 200)
        window = close_by_window_manager(first.pid)
        answer_with_enter(first, window, 'the exit question')
        if first.wait(TIMEOUT) != 0:
            fail('the first ZEB without a bus ended with status %d' % first.returncode)
        moved = main_position(os.path.join(folder, 'ZEBcfg.dat'))
        window = close_by_window_manager(second.pid)
        answer_with_enter(second, window, 'the exit question')
        answer_with_enter(second, window, 'the message that the settings were left unsaved')
        if second.wait(TIMEOUT) != 0:
            fail('the second ZEB without a bus ended with status %d' % second.returncode)
        if main_position(os.path.join(folder, 'ZEBcfg.dat')) != moved or moved == (0, 0):
            fail('the second ZEB wrote over the first\'s settings: %s, then %s' %
                 (moved, main_position(os.path.join(folder, 'ZEBcfg.dat'))))
    finally:
        for zeb in zebs:
            if zeb.poll() is None:
                zeb.kill()
                zeb.wait()


def read_only(folder):
    """The folder as an installed program's is to its user: read-only, for root too (a read-only bind
    mount of it over itself)."""
    if os.geteuid() != 0:
        os.chmod(folder, 0o555)
        return lambda: os.chmod(folder, 0o755)
    subprocess.run(['mount', '--bind', folder, folder], check=True)
    subprocess.run(['mount', '-o', 'remount,bind,ro', folder], check=True)
    return lambda: subprocess.run(['umount', folder], check=True)


def collection_of_today(folder):
    """A short sound in each format of a collection of today; their names."""
    names = ['brano.' + extension for extension in ('flac', 'opus', 'webm', 'aiff', 'm4a', 'mka', 'ogg', 'mp3')]
    names += ['film.mkv', 'film.mp4']
    for name in names:
        subprocess.run(['ffmpeg', '-loglevel', 'error', '-y', '-f', 'lavfi', '-i', 'sine=duration=0.2',
                        os.path.join(folder, name)], check=True)
    return names


def first_start_of_a_new_user(work, binary):
    """An installed ZEB, and one in a folder it cannot write, keep their settings with the user and start
    the browser in the user's music folder (the home folder without one). The installed one starts from
    the shipped settings, which list every format of a collection of today."""
    prefix = os.path.join(work, 'prefix')
    os.makedirs(os.path.join(prefix, 'lib', 'zeb'))
    install(binary, os.path.join(prefix, 'bin'))
    os.replace(os.path.join(prefix, 'bin', 'libzeb_mpv.so'), os.path.join(prefix, 'lib', 'zeb', 'libzeb_mpv.so'))
    locked = os.path.join(work, 'sola-lettura')
    install(binary, locked)
    shipped = os.path.join(work, 'xdg')
    os.makedirs(os.path.join(shipped, 'zeb'))
    shutil.copy2(os.path.join(os.path.dirname(binary), 'resources', 'xdg', 'ZEBcfg.dat'), os.path.join(shipped, 'zeb'))
    for program, music in ((os.path.join(prefix, 'bin'), 'Musica'), (locked, None)):
        home = os.path.join(work, 'utente-' + os.path.basename(program))
        config = os.path.join(home, '.config')
        os.makedirs(os.path.join(config, 'zeb'))
        shown, listed = home, ['benvenuto.wav']
        if music:
            shown = os.path.join(home, music)
            os.makedirs(shown)
            with open(os.path.join(config, 'user-dirs.dirs'), 'w') as dirs:
                dirs.write('# written by xdg-user-dirs-update\nXDG_MUSIC_DIR="$HOME/%s"\n' % music)
            listed = sorted(['benvenuto.wav'] + collection_of_today(shown), key=str.lower)
        else:
            with open(os.path.join(config, 'zeb', 'ZEBcfg.dat'), 'wb') as settings:
                settings.write(settings_file([('wav', True)]))
        write_sound(os.path.join(shown, 'benvenuto.wav'))
        writable_again = read_only(program) if program == locked else (lambda: None)
        try:
            zeb = Zeb(program, home, environment={'XDG_CONFIG_DIRS': shipped})
            wait_for('the browser in ' + shown, lambda: items('File multimediali') == listed)
            if os.path.exists(os.path.join(program, 'ZEBcfg.dat')):
                fail('ZEB made its settings in %s' % program)
            zeb.kill()
        finally:
            writable_again()


def run(work):
    folder = os.path.join(work, 'zeb')
    home = os.path.join(work, 'home')
    os.makedirs(home)
    install(os.environ['ZEB_BINARY'], folder)
    with open(os.path.join(folder, 'ZEBcfg.dat'), 'wb') as settings:
        settings.write(settings_file([('wav', True)]))
    write_sound(os.path.join(folder, 'lungo.wav'), 60)
    write_sound(os.path.join(folder, 'breve.wav'), 3)
    subprocess.run(['ffmpeg', '-loglevel', 'error', '-y', '-f', 'lavfi', '-i', 'testsrc=size=160x120:duration=60',
                    '-c:v', 'mpeg4', os.path.join(folder, 'film.mp4')], check=True)
    for name in ('uno', 'due', 'tre'):
        write_sound(os.path.join(folder, name + '.wav'), 30)
        with open(os.path.join(folder, name + '.zbl'), 'wb') as listed:
            listed.write(('Lista ZEB\r\n 1 \r\n%s\r\n%s/%s.wav\r\n' % (name, folder, name)).encode())
    with open(os.path.join(folder, 'brutta.zbl'), 'wb') as bad:
        bad.write(b'RIFF\0\0\0\0WAVE')

    exit_while_the_viewer_plays(folder, home)
    screen_kept_awake(folder, home)
    late_hand_over(folder, home)
    queued_hand_overs(folder, home)
    two_without_a_bus(folder, home)
    first_start_of_a_new_user(work, os.environ['ZEB_BINARY'])


if __name__ == '__main__':
    main(run)
