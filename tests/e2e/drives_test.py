"""Drives that follow the system: a file system mounted while ZEB runs joins the drive list within a second,
and leaves it within a second once unmounted; the lists that showed it fall back to "/". A folder on it
that is slow to list, and a list file on it that is slow to read, show the busy pointer over the lists that
wait for them, and the normal one after.
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from testmount import TestMount  # noqa: E402
from zebdriver import (Zeb, choice, double_click, entries, fail, find, install, item, items, main,  # noqa: E402
                       move_pointer_over, pick_from_combo, pointer_shape, settle, wait_for)


def drive_list():
    """The main window's drive list: the only combo box shown."""
    return find('Unità', 'combo box')


def drives():
    return [entry.name for entry in entries(drive_list().getChildAtIndex(0))]


def within_a_second(what, condition, since):
    wait_for(what, condition, 5)
    took = time.monotonic() - since
    if took > 1:
        fail('%s took %.2f s' % (what, took))


def busy_while_slow_files_are_read(folder, mount):
    open(mount.path('Brani/senza'), 'w').close()  # no extension: what a ZEB without formats lists
    with open(mount.path('Lenta.zbl'), 'wb') as listed:
        listed.write(b'Lista ZEB\r\n 1 \r\nlenta\r\n/lenta.wav\r\n')
    mount.set_rules([{'path': '/Brani', 'op': 'readdir', 'delay': 2},
                     {'path': '/Lenta.zbl', 'op': 'open', 'delay': 2}])
    subfolder = item('Cartelle', 'Brani')
    move_pointer_over(subfolder)
    normal = pointer_shape()
    double_click(subfolder)
    busy_meanwhile('a folder', normal, lambda: items('File multimediali') == ['senza'])

    move_pointer_over(find('Lista dei brani'))
    subprocess.run([os.path.join(folder, 'zeb'), mount.path('Lenta.zbl')], check=True, timeout=20)
    busy_meanwhile('a list file', normal, lambda: items('Lista dei brani') == ['lenta'])
    mount.set_rules([])


def busy_meanwhile(what, normal, read):
    settle(0.5)
    if pointer_shape() == normal:
        fail('the pointer stayed the normal one while %s was being read for half a second' % what)
    wait_for(what + ' read, with the normal pointer', lambda: read() and pointer_shape() == normal, 5)


def run(work):
    folder = os.path.join(work, 'zeb')
    home = os.path.join(work, 'home')
    os.makedirs(home)
    install(os.environ['ZEB_BINARY'], folder)
    zeb = Zeb(folder, home)
    try:
        wait_for('the drive list', lambda: drives()[:2] == ['/', home])
        with TestMount() as mount:
            mounted = time.monotonic()
            within_a_second('the new drive in the list', lambda: mount.path() in drives(), mounted)
            os.mkdir(mount.path('Brani'))
            pick_from_combo(drive_list(), mount.path())
            wait_for('the new drive in the folders', lambda: items('Cartelle') == [mount.path(), 'Brani'])
            busy_while_slow_files_are_read(folder, mount)
            unmounted = time.monotonic()
        within_a_second('the drive gone from the list', lambda: mount.path() not in drives(), unmounted)
        wait_for('the folders of "/"', lambda: choice(drive_list()) == '/' and items('Cartelle')[:1] == ['/'])
        if drives()[:2] != ['/', home]:
            fail('the drive list lost its first drives: %s' % drives())
    finally:
        zeb.kill()


if __name__ == '__main__':
    main(run)
