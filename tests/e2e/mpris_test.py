"""The desktop's media controls on the real zeb: its MPRIS interfaces on the session bus, driven with
gdbus as a desktop's media panel drives them, then by playerctl, a media controller of the desktop's own.

A list of a tagged and an untagged sound is the current list. Play plays it, Next, Pause, Previous and
Stop act on the viewer's queue, and the state, the track's tags and every change are read off the bus,
each track told once, whole; then playerctl finds ZEB and drives it, its loop and shuffle being the
settings Continuo and Random; OpenUri plays a local file and refuses anything else; with the playlist
emptied, Play plays again what played last; Quit asks the exit question, and the settings keep the loop
and the shuffle. The types ZEB tells the desktop are those of the desktop entry named as the argument.
"""
import collections
import os
import re
import subprocess
import sys
import tempfile

import pyatspi
from gi.repository import GLib

from zebdriver import (Zeb, answer_question, application, fail, find, install, integer_record, items, main, press,
                       settings_file, showing, state, wait_for, window_titled)

NAME = 'org.mpris.MediaPlayer2.zeb'
PLAYER = 'org.mpris.MediaPlayer2.Player'


def gdbus(*arguments, check=True):
    done = subprocess.run(['gdbus', 'call', '--session', *arguments], capture_output=True, text=True, timeout=10)
    if check and done.returncode != 0:
        fail('gdbus %s failed: %s' % (' '.join(arguments), done.stderr.strip()))
    return done


def call(method, *arguments, interface=PLAYER, check=True):
    return gdbus('--dest', NAME, '--object-path', '/org/mpris/MediaPlayer2', '--method',
                 interface + '.' + method, *arguments, check=check)


def get(name, interface=PLAYER):
    """A property, read as a desktop reads it, with its GVariant text turned into Python values."""
    text = call('Get', interface, name, interface='org.freedesktop.DBus.Properties').stdout
    return GLib.Variant.parse(None, text, None, None).unpack()[0]


def status():
    return get('PlaybackStatus')


def title():
    return get('Metadata').get('xesam:title')


def playerctl(*arguments):
    done = subprocess.run(['playerctl', '--player=zeb', *arguments], capture_output=True, text=True, timeout=10)
    if done.returncode != 0:
        fail('playerctl %s failed: %s' % (' '.join(arguments), done.stderr.strip()))
    return done.stdout.strip()


def viewer_shown():
    app = application()
    return any(showing(w) and w.name.startswith('[ZEB] ') for w in (app.getChildAtIndex(i) for i in range(app.childCount))
               if w is not None)


def on_the_bus():
    owned = gdbus('--dest', 'org.freedesktop.DBus', '--object-path', '/org/freedesktop/DBus', '--method',
                  'org.freedesktop.DBus.NameHasOwner', NAME).stdout
    return 'true' in owned


def root_interface():
    expected = {'Identity': 'ZEB', 'DesktopEntry': 'zeb', 'SupportedUriSchemes': ['file'], 'CanQuit': True,
                'CanRaise': True, 'HasTrackList': False}
    for name, value in expected.items():
        if get(name, 'org.mpris.MediaPlayer2') != value:
            fail('%s is %r, not %r' % (name, get(name, 'org.mpris.MediaPlayer2'), value))
    offered = next(line for line in open(sys.argv[1]) if line.startswith('MimeType='))[len('MimeType='):]
    if get('SupportedMimeTypes', 'org.mpris.MediaPlayer2') != offered.strip().strip(';').split(';'):
        fail('the MIME types are not those of the desktop entry: %r' % get('SupportedMimeTypes',
                                                                           'org.mpris.MediaPlayer2'))


def driven_with_gdbus(folder, list_file):
    if status() != 'Stopped' or get('Metadata') != {}:
        fail('before anything plays, the state is %s with %r' % (status(), get('Metadata')))
    call('Play')
    wait_for('Play to play the list', lambda: status() == 'Playing' and title() == 'Alba')
    window_titled('[ZEB] a')
    wait_for('the length of the track', lambda: 'mpris:length' in get('Metadata'))
    metadata = get('Metadata')
    expected = {'xesam:title': 'Alba', 'xesam:artist': ['Coro'], 'xesam:album': 'Canti',
                'xesam:url': 'file://' + os.path.join(folder, 'a.wav')}
    if any(metadata.get(key) != value for key, value in expected.items()):
        fail('the metadata of a tagged track are %r' % metadata)
    if abs(metadata['mpris:length'] - 60_000_000) > 100_000 or not metadata['mpris:trackid'].startswith('/'):
        fail('the length or the id of the track is wrong: %r' % metadata)
    wait_for('a to start', lambda: get('CanSeek'))
    if not get('CanGoNext'):
        fail('the first of two tracks has no track after it')

    call('Next')
    wait_for('Next to play b', lambda: title() == 'b')
    if 'xesam:artist' in get('Metadata') or get('CanGoNext'):
        fail('the untagged last track has an artist, or a track after it: %r' % get('Metadata'))
    window_titled('[ZEB] b')
    call('Pause')
    wait_for('Pause', lambda: status() == 'Paused')
    call('Previous')
    wait_for('Previous to play a', lambda: title() == 'Alba')
    call('Stop')
    wait_for('Stop to end playback', lambda: status() == 'Stopped' and get('Metadata') == {})
    wait_for('the viewer to close', lambda: not viewer_shown())
    window_titled('ZEB - ' + list_file)


def driven_with_playerctl(folder):
    if 'zeb' not in playerctl('--list-all').split():
        fail('playerctl does not list ZEB')
    playerctl('play')
    wait_for('playerctl to play the list', lambda: playerctl('status') == 'Playing')
    wait_for('the title', lambda: playerctl('metadata', 'title') == 'Alba')
    if playerctl('metadata', 'artist') != 'Coro':
        fail('playerctl reads the artist as %r' % playerctl('metadata', 'artist'))
    playerctl('next')
    wait_for('playerctl next', lambda: playerctl('metadata', 'title') == 'b')
    wait_for('b to start', lambda: get('CanSeek'))
    playerctl('position', '20')
    # Far sooner than b could play that far by itself.
    wait_for('the seek', lambda: 19.5 <= float(playerctl('position')) < 30, timeout=5)
    playerctl('volume', '0.5')
    wait_for('the volume', lambda: get('Volume') == 0.5)
    playerctl('play-pause')
    wait_for('play-pause to pause', lambda: playerctl('status') == 'Paused')
    playerctl('play-pause')
    wait_for('play-pause to play', lambda: playerctl('status') == 'Playing')
    playerctl('stop')
    wait_for('playerctl stop', lambda: playerctl('status') == 'Stopped')


def loop_and_shuffle():
    """Loop and shuffle are Continuo and Random: set by the panel, shown by the settings window; ZEB has no
    loop of one track, and stays as it was when asked for one."""
    if playerctl('loop') != 'None' or playerctl('shuffle') != 'Off':
        fail('before anything is set, loop is %s and shuffle %s' % (playerctl('loop'), playerctl('shuffle')))
    for loop, shuffle, shown in (('Playlist', 'On', 'Playlist'), ('Track', 'On', 'Playlist')):
        playerctl('loop', loop)
        playerctl('shuffle', shuffle)
        wait_for('loop %s and shuffle %s' % (shown, shuffle),
                 lambda: get('LoopStatus') == shown and get('Shuffle') == (shuffle == 'On'), 5)
    press('Modifica le impostazioni di ZEB')
    setup = window_titled('ZEB Setup')
    ticked = [state(find(name, 'check box', setup), pyatspi.STATE_CHECKED)
              for name in ('Esegui le liste in continuo', 'Esegui le liste in ordine casuale')]
    press('OK', setup)
    wait_for('the settings window to close', lambda: not showing(setup))
    if ticked != [True, True]:
        fail('the settings window shows Continuo and Random as %s after the panel set them' % ticked)
    gdbus('--dest', NAME, '--object-path', '/org/mpris/MediaPlayer2', '--method',
          'org.freedesktop.DBus.Properties.Set', PLAYER, 'Rate', '<1.0>')


def open_uri(folder):
    call('OpenUri', 'file://localhost' + os.path.join(folder, 'b.wav'))
    wait_for('OpenUri to play b', lambda: status() == 'Playing' and title() == 'b')
    window_titled('[ZEB] b')
    call('Stop')
    wait_for('the viewer to close', lambda: not viewer_shown())
    refused = call('OpenUri', 'http://example.org/b.wav', check=False)
    if refused.returncode == 0 or 'NotSupported' not in refused.stderr:
        fail('OpenUri took an address that is no local file: %r' % refused.stderr)
    if status() != 'Stopped':
        fail('OpenUri of an address played something')


def play_again_with_the_playlist_emptied():
    """With nothing in the playlist to play, Play plays again what played last, and says it can."""
    press('Comincia una nuova lista')
    answer_question('Sì')
    wait_for('the playlist emptied', lambda: items('Lista dei brani') == [])
    if not get('CanPlay'):
        fail('with the playlist emptied after b played, Play says it can do nothing')
    call('Play')
    wait_for('Play to play b again', lambda: status() == 'Playing' and title() == 'b')
    call('Stop')
    wait_for('the viewer to close', lambda: not viewer_shown())


def announced(log):
    """Every change was told on the bus: the states, the tracks, the seek."""
    log.seek(0)
    told = log.read()
    for text in ("'PlaybackStatus': <'Playing'>", "'PlaybackStatus': <'Paused'>", "'PlaybackStatus': <'Stopped'>",
                 "'xesam:title': <'Alba'>", "'xesam:title': <'b'>", "'Volume': <0.5>",
                 'org.mpris.MediaPlayer2.Player.Seeked (int64 20000000,)'):
        if text not in told:
            fail('the bus was never told %s:\n%s' % (text, told[-3000:]))
    if "'Position'" in told:
        fail('the position was announced as a change')
    for text in ("'LoopStatus': <'Playlist'>", "'Shuffle': <true>"):
        if text not in told:
            fail('the bus was never told %s' % text)
    # Each track once, whole: never its file's name before its tags, nor its tags before its length.
    changes = [line for line in told.splitlines() if 'PropertiesChanged' in line and "'Metadata'" in line]
    tracks = collections.Counter(re.findall(r"/org/zeb/track/\d+", '\n'.join(changes)))
    if any(count > 1 for count in tracks.values()):
        fail('a track was told more than once:\n' + '\n'.join(changes))
    if any("'xesam:title': <'a'>" in line or ("'Alba'" in line and "'mpris:length'" not in line)
           for line in changes):
        fail('a track was told before its tags and length were known:\n' + '\n'.join(changes))


def run(work):
    folder = os.path.join(work, 'zeb')
    home = os.path.join(work, 'home')
    os.makedirs(os.path.join(folder, 'Liste'))
    os.makedirs(home)
    install(os.environ['ZEB_BINARY'], folder)
    for name, tags in (('a', ['title=Alba', 'artist=Coro', 'album=Canti']), ('b', [])):
        tagging = [argument for tag in tags for argument in ('-metadata', tag)]
        subprocess.run(['ffmpeg', '-loglevel', 'error', '-y', '-f', 'lavfi', '-i', 'sine=duration=60', '-ar', '8000',
                        *tagging, os.path.join(folder, name + '.wav')], check=True)
    list_file = os.path.join(folder, 'Liste', 'Due.zbl')
    with open(list_file, 'wb') as listed:
        listed.write(('Lista ZEB\r\n 2 \r\na\r\nb\r\n%s/a.wav\r\n%s/b.wav\r\n' % (folder, folder)).encode())
    with open(os.path.join(folder, 'ZEBcfg.dat'), 'wb') as settings:
        settings.write(settings_file([('wav', True)], list_file=list_file))

    zeb = Zeb(folder, home)
    window_titled('ZEB - ' + list_file)
    wait_for('ZEB on the session bus', on_the_bus)
    with tempfile.TemporaryFile('w+') as log:
        monitor = subprocess.Popen(['gdbus', 'monitor', '--session', '--dest', NAME, '--object-path',
                                    '/org/mpris/MediaPlayer2'], stdout=log, stderr=subprocess.DEVNULL, text=True)
        try:
            root_interface()
            driven_with_gdbus(folder, list_file)
            driven_with_playerctl(folder)
            loop_and_shuffle()
            open_uri(folder)
            play_again_with_the_playlist_emptied()
        finally:
            monitor.terminate()
            monitor.wait()
        announced(log)

    call('Quit', interface='org.mpris.MediaPlayer2')
    answer_question('Sì')
    zeb.wait_for_exit()
    with open(os.path.join(folder, 'ZEBcfg.dat'), 'rb') as saved:
        data = saved.read()
    options = [integer_record(data, record) for record in (2, 3)]
    if options != [1, 1]:
        fail('the settings file keeps Continuo and Random as %s, not as the panel set them' % options)
    # The volume set through the panel comes back at the next start.
    zeb = Zeb(folder, home)
    wait_for('ZEB on the session bus again', on_the_bus)
    wait_for('the volume of the last run', lambda: get('Volume') == 0.5, 5)
    zeb.kill()


if __name__ == '__main__':
    main(run)
