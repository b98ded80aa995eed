"""The first play of a run of the real program, as a person plays: from the press of the button that plays to
the status line saying that the file plays (what the player reports once sound has started), heard as the
accessibility event of that change. Clicks are pressed through XTest, so that the clock starts at the press.

  after a sign   the last list reloaded at start-up, the pointer resting on play-all for half a second,
                 then a click (the player module is loaded ahead);
  at once        no list; the pointer jumps onto a media file of the browser and double-clicks it at once,
                 with the setting that a double-click plays (the module starts loading on the first click).

Each is measured on new starts of the program, and the median printed with its target.
Usage: tests/e2e/run.sh build/bench/zeb bench/first_play.py [STARTS]   (bench/run.sh runs it)
"""
import ctypes
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))

import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402
from zebdriver import (Zeb, centre, fail, find, install, item, main, move_pointer, settings_file, settle,  # noqa: E402
                       write_sound, xdotool)

PLAY_ALL = 'Esegui tutti i brani nella lista'
PLAYING = 'In riproduzione'
DOUBLE_CLICK_GAP = 0.08


class Pointer:
    """The pointer's button, pressed and released through XTest."""

    def __init__(self):
        self.x11 = ctypes.cdll.LoadLibrary('libX11.so.6')
        self.xtest = ctypes.cdll.LoadLibrary('libXtst.so.6')
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.xtest.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(None)

    def click(self):
        for pressed in (True, False):
            self.xtest.XTestFakeButtonEvent(self.display, 1, pressed, 0)
            self.x11.XFlush(self.display)


def seconds_to_playing(clicks):
    """Clicks the button (clicks times, as a double-click does) and waits for the status line to say that
    the file plays; the seconds from the last press."""
    pointer = Pointer()
    times = {}

    def heard(event):
        if PLAYING in str(event.any_data) and 'playing' not in times:
            times['playing'] = time.monotonic()
            pyatspi.Registry.stop()

    def press():
        for click in range(clicks):
            if click:
                time.sleep(DOUBLE_CLICK_GAP)
            times['pressed'] = time.monotonic()
            pointer.click()
        return False

    def give_up():
        times['gave up'] = True
        pyatspi.Registry.stop()
        return False

    pyatspi.Registry.registerEventListener(heard, 'object:property-change:accessible-name')
    GLib.timeout_add(50, press)
    timeout = GLib.timeout_add_seconds(20, give_up)
    try:
        pyatspi.Registry.start()
    finally:
        pyatspi.Registry.deregisterEventListener(heard, 'object:property-change:accessible-name')
        if 'gave up' not in times:
            GLib.source_remove(timeout)
    if 'playing' not in times:
        fail('the status line never said that the file plays')
    return times['playing'] - times['pressed']


def prepared(work, name, with_list):
    """A folder of the program's own with a sound in it, and a home; with_list: the sound's list file is
    the last list, else a double-click on a media file plays it."""
    folder, home = os.path.join(work, name), os.path.join(work, name + '-home')
    os.makedirs(home)
    # This machine has no sound card: its default sound device takes the sound and drops it, as a
    # desktop's sound server would play it, rather than the player trying every output there is first.
    with open(os.path.join(home, '.asoundrc'), 'w') as sound_devices:
        sound_devices.write('pcm.!default { type null }\n')
    install(os.environ['ZEB_BINARY'], folder)
    sound = os.path.join(folder, 'suono.wav')
    write_sound(sound, seconds=3)
    list_file = os.path.join(folder, 'Prova.zbl') if with_list else ''
    if with_list:
        with open(list_file, 'wb') as playlist:
            playlist.write(b'Lista ZEB\r\n 1 \r\nsuono\r\n' + sound.encode() + b'\r\n')
    with open(os.path.join(folder, 'ZEBcfg.dat'), 'wb') as settings:
        settings.write(settings_file([('wav', True)], list_file=list_file, double_click_plays=not with_list))
    return folder, home


def first_play(work, name, with_list, point):
    """A new start of the program, left to settle with the pointer away; point() brings the pointer onto
    what plays and tells how many clicks play it."""
    folder, home = prepared(work, name, with_list)
    move_pointer(1000, 740)
    zeb = Zeb(folder, home)
    try:
        settle(1.0)
        return seconds_to_playing(point())
    finally:
        zeb.kill()


def rest_on_play_all():
    move_pointer(*centre(find(PLAY_ALL)))
    settle(0.5)
    return 1


def jump_onto_the_sound():
    x, y = centre(item('File multimediali', 'suono.wav'))
    xdotool('mousemove', x, y)
    return 2


def run(work):
    starts = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    figures = [('first play after a sign (the last list reloaded, the pointer resting on play-all, a click)',
                True, rest_on_play_all, 'at most 100 ms'),
               ('first play at once (the pointer jumps onto a media file and double-clicks it)', False,
                jump_onto_the_sound, '')]
    for what, with_list, point, target in figures:
        times = [first_play(work, '%s%d' % (point.__name__, number), with_list, point) for number in range(starts)]
        print('%s: median %.0f ms of %d starts (%s)%s' % (what, statistics.median(times) * 1000, starts,
                                                          ', '.join('%.0f' % (t * 1000) for t in times),
                                                          '; target ' + target if target else ''))


if __name__ == '__main__':
    main(run)
