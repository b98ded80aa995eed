"""The viewer's keys and full screen through real keys and clicks of xdotool, the viewer focused as a
window manager focuses it: what the status line says, where the viewer and its controls stand, and the
position of the viewer written at exit.
"""
import os
import struct
import subprocess

import pyatspi

from zebdriver import (Zeb, answer_question, click, double_click, fail, find, focus_window, install, item, key,
                       main, record, request_close, settings_file, settle, state, wait_for, walk, window_titled,
                       x_window, xdotool)

SCREEN = (0, 0, 1024, 768)  # tests/e2e/run.sh's display
VIEWER = '[ZEB] clip'


def write_video(path, seconds=180):
    subprocess.run(['ffmpeg', '-loglevel', 'error', '-y', '-f', 'lavfi', '-i',
                    'testsrc=duration=%d:size=160x120:rate=5' % seconds, '-f', 'lavfi', '-i',
                    'sine=duration=%d' % seconds, '-ar', '8000', '-pix_fmt', 'yuv420p', '-metadata',
                    'artist=Rossi', '-metadata', 'title=Prova', path], check=True)


def status():
    """The viewer's status line: "Rossi – Prova — 0:12 / 3:00 — In riproduzione"."""
    return wait_for('the status line', lambda: next(
        (n.name for n in walk(window_titled(VIEWER)) if n.getRoleName() == 'label' and ' / ' in n.name), None))


def status_says(name, clock, shown):
    expected = '%s — %s / 3:00 — %s' % (name, clock, shown)
    try:
        wait_for(repr(expected), lambda: status() == expected, 5)
    except Exception:
        fail('the status line says %r, not %r' % (status(), expected))


def geometry():
    """The viewer's X window: x, y, width, height."""
    shell = xdotool('getwindowgeometry', '--shell', x_window(VIEWER))
    values = dict(line.split('=') for line in shell.split())
    return tuple(int(values[name]) for name in ('X', 'Y', 'WIDTH', 'HEIGHT'))


def wait_for_geometry(expected, what):
    try:
        wait_for(what, lambda: geometry() == expected, 5)
    except Exception:
        fail('%s: the viewer stands at %s, not %s' % (what, geometry(), expected))


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def volume():
    return int(find('Volume', within=window_titled(VIEWER)).queryValue().currentValue)


def keys_drive_playback():
    """Space pauses and plays; the arrows seek (Shift: a minute) and set the volume; M mutes."""
    status_says('Rossi – Prova', '0:00', 'In riproduzione')
    key('space')
    status_says('Rossi – Prova', status().split(' — ')[1].split(' / ')[0], 'In pausa')
    click(find('Posizione', within=window_titled(VIEWER)), at=(1, 8))  # the start, still paused
    cases = [('Right', '0:05'), ('shift+Right', '1:05'), ('Left', '1:00'), ('shift+Left', '0:00'),
             ('shift+Right shift+Right', '2:00')]
    for keys, clock in cases:
        key(*keys.split())
        status_says('Rossi – Prova', clock, 'In pausa')
    for keys, percent in [('Down', 76), ('Down', 71), ('Up', 76)]:
        key(keys)
        wait_for('the volume at %d' % percent, lambda: volume() == percent, 5)
    mute = find('Muto', within=window_titled(VIEWER))
    key('m')
    wait_for('the sound muted', lambda: state(mute, pyatspi.STATE_CHECKED), 5)
    key('m')
    wait_for('the sound back', lambda: not state(mute, pyatspi.STATE_CHECKED), 5)
    key('space')
    status_says('Rossi – Prova', '2:00', 'In riproduzione')


def space_keeps_its_meaning_on_scala():
    """With the keyboard on "Scala", Space ticks it and leaves playback alone; the arrows still seek."""
    scala = find('Scala', within=window_titled(VIEWER))
    key('space')
    status_says('Rossi – Prova', status().split(' — ')[1].split(' / ')[0], 'In pausa')
    click(scala)
    if not state(scala, pyatspi.STATE_CHECKED) or not state(scala, pyatspi.STATE_FOCUSED):
        fail('a click on Scala did not tick it and give it the keyboard')
    before = status()
    key('space')
    wait_for('Scala unticked', lambda: not state(scala, pyatspi.STATE_CHECKED), 5)
    settle(0.5)
    if status() != before:
        fail('Space on Scala changed playback: %r, then %r' % (before, status()))
    key('Left')
    status_says('Rossi – Prova', '1:55', 'In pausa')


def controls_keep_their_places(width, height):
    """The layout rule of the viewer for this client size: "Esci" at the bottom right, "Scala" at the
    bottom left, the player, whose seek bar is as wide as it, above them."""
    viewer = window_titled(VIEWER)
    x, y, _, _ = geometry()
    esci = extents(find('Esci', 'push button', viewer))
    if esci != (x + width - 64, y + height - 38, 57, 30):
        fail('at %dx%d, Esci stands at %s' % (width, height, esci))
    scala = extents(find('Scala', 'check box', viewer))  # as wide as its text
    if scala[:2] != (x + 16, y + height - 32):
        fail('at %dx%d, Scala stands at %s' % (width, height, scala))
    bar = extents(find('Posizione', within=viewer))
    if (bar[0], bar[2]) != (x + 9, width - 17) or not y + height // 2 < bar[1] < y + height - 46:
        fail('at %dx%d, the seek bar stands at %s' % (width, height, bar))


def double_click_on_the_picture():
    x, y, _, _ = geometry()
    xdotool('mousemove', '--sync', x + 60, y + 60)
    xdotool('click', '--repeat', 2, '--delay', 80, 1)


def full_screen_from_the_menu_over_the_picture():
    """The right button on the picture opens the player's menu, whose last entry is "Schermo intero" (Qt
    keeps its menus out of the accessibility tree, so the entry is taken with Up and Return): the picture
    takes no click itself."""
    x, y, _, _ = geometry()
    xdotool('mousemove', '--sync', x + 60, y + 60)
    xdotool('click', 3)
    settle(0.5)
    key('Up', 'Return')


def full_screen_and_back():
    """F, F11 and a double-click on the picture go full screen and back; Esc only comes back; the window
    then has its place and size again, and the layout rule holds at both sizes."""
    xdotool('windowmove', '--sync', x_window(VIEWER), 100, 80)
    focus_window(VIEWER)
    windowed = geometry()
    if windowed[:2] != (100, 80):
        fail('the viewer did not move: it stands at %s' % (windowed,))
    controls_keep_their_places(*windowed[2:])
    for enter, leave in [('f', 'f'), ('F11', 'Escape'), ('f', 'F11'), ('F11', 'picture'), ('menu', 'f')]:
        if enter == 'menu':
            full_screen_from_the_menu_over_the_picture()
        else:
            key(enter)
        wait_for_geometry(SCREEN, 'full screen after ' + enter)
        controls_keep_their_places(*SCREEN[2:])
        status_says('Rossi – Prova', '1:55', 'In pausa')
        if leave == 'picture':
            double_click_on_the_picture()
        else:
            key(leave)
        wait_for_geometry(windowed, 'back from full screen by ' + leave)
        focus_window(VIEWER)
    key('Escape')
    settle(0.5)
    if geometry() != windowed:
        fail('Esc out of full screen moved the viewer to %s' % (geometry(),))
    status_says('Rossi – Prova', '1:55', 'In pausa')
    return windowed


def run(work):
    folder = os.path.join(work, 'zeb')
    home = os.path.join(work, 'home')
    os.makedirs(folder)
    os.makedirs(home)
    install(os.environ['ZEB_BINARY'], folder)
    write_video(os.path.join(folder, 'clip.mkv'))
    with open(os.path.join(folder, 'ZEBcfg.dat'), 'wb') as settings:
        settings.write(settings_file([('mkv', True)], double_click_plays=True))

    zeb = Zeb(folder, home)
    double_click(item('File multimediali', 'clip.mkv'))
    window_titled(VIEWER)
    focus_window(VIEWER)
    keys_drive_playback()
    space_keeps_its_meaning_on_scala()
    windowed = full_screen_and_back()

    # Space on "Esci" leaves playback, full screen as it is; the viewer's place written at exit is then
    # the one it has in a window.
    key('f')
    wait_for_geometry(SCREEN, 'full screen before the exit')
    esci = find('Esci', 'push button', window_titled(VIEWER))
    key('Tab')
    if not state(esci, pyatspi.STATE_FOCUSED):
        fail('Tab from Scala did not give Esci the keyboard')
    key('space')
    wait_for('the viewer hidden', lambda: not subprocess.run(
        ['xdotool', 'search', '--onlyvisible', '--name', '^\\[ZEB\\] clip$'], capture_output=True).stdout, 5)
    request_close('ZEB')
    answer_question('Sì')
    zeb.wait_for_exit()
    with open(os.path.join(folder, 'ZEBcfg.dat'), 'rb') as settings:
        data = settings.read()
    saved = tuple(round(struct.unpack('<f', record(data, number)[2:6])[0] / 15) for number in (5, 6))
    if saved != windowed[:2]:
        fail('the viewer was saved at %s, not at its place in a window %s' % (saved, windowed[:2]))


if __name__ == '__main__':
    main(run)
