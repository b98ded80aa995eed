"""The player module is loaded ahead of the first play once the pointer shows that a play is near, and
not before: read off the libraries the running program has mapped. A module that cannot be loaded says
nothing until playing is asked for."""
import os

from zebdriver import (Zeb, click, dialog, box_text, fail, find, install, main, move_pointer, move_pointer_over,
                       open_dialog, settings_file, settle, wait_for, write_sound)

PLAY_ALL = 'Esegui tutti i brani nella lista'
CANNOT_LOAD = 'Impossibile riprodurre: il lettore multimediale non si carica.'


def module_mapped(zeb):
    with open('/proc/%d/maps' % zeb.process.pid) as maps:
        return 'libzeb_mpv.so' in maps.read()


def start(folder, home):
    """ZEB started with the pointer away from its window, and left to settle."""
    move_pointer(1000, 740)
    zeb = Zeb(folder, home)
    settle(1.0)
    return zeb


def loaded_when_the_pointer_comes(work, control):
    folder, home = os.path.join(work, 'zeb-' + control), os.path.join(work, 'home-' + control)
    os.makedirs(home)
    install(os.environ['ZEB_BINARY'], folder)
    zeb = start(folder, home)
    try:
        if module_mapped(zeb):
            fail('the player module was loaded at start-up, with no sign of a play')
        move_pointer_over(find(control))
        wait_for('the player module loaded ahead', lambda: module_mapped(zeb))
    finally:
        zeb.kill()


def failure_told_only_on_play(work):
    folder, home = os.path.join(work, 'broken'), os.path.join(work, 'home-broken')
    os.makedirs(home)
    install(os.environ['ZEB_BINARY'], folder)
    with open(os.path.join(folder, 'libzeb_mpv.so'), 'wb') as module:
        module.write(b'not a library')
    sound = os.path.join(folder, 'a.wav')
    write_sound(sound)
    list_file = os.path.join(folder, 'Prova.zbl')
    with open(list_file, 'wb') as playlist:
        playlist.write(b'Lista ZEB\r\n 1 \r\na\r\n' + sound.encode() + b'\r\n')
    with open(os.path.join(folder, 'ZEBcfg.dat'), 'wb') as settings:
        settings.write(settings_file([('wav', True)], list_file=list_file))
    zeb = start(folder, home)
    try:
        move_pointer_over(find(PLAY_ALL))
        settle(1.0)
        if open_dialog():
            fail('a failed load ahead of a play was told before anything was played')
        click(find(PLAY_ALL))
        if not box_text(dialog()).startswith(CANNOT_LOAD):
            fail('play-all without a player module says %r' % box_text(dialog()))
    finally:
        zeb.kill()


def run(work):
    loaded_when_the_pointer_comes(work, PLAY_ALL)
    loaded_when_the_pointer_comes(work, 'Lista dei brani')
    failure_told_only_on_play(work)


if __name__ == '__main__':
    main(run)
