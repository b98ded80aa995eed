"""Drives that follow the system: a file system mounted while ZEB runs joins the drive list within a second,
and leaves it within a second once unmounted; the lists that showed it fall back to "/".
"""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from testmount import TestMount  # noqa: E402
from zebdriver import Zeb, choice, entries, fail, find, install, items, main, pick_from_combo, wait_for  # noqa: E402


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
            unmounted = time.monotonic()
        within_a_second('the drive gone from the list', lambda: mount.path() not in drives(), unmounted)
        wait_for('the folders of "/"', lambda: choice(drive_list()) == '/' and items('Cartelle')[:1] == ['/'])
        if drives()[:2] != ['/', home]:
            fail('the drive list lost its first drives: %s' % drives())
    finally:
        zeb.kill()


if __name__ == '__main__':
    main(run)
