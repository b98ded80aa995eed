"""Real input on ZEB's windows: the pointer and the keys of xdotool, each window focused as a window manager
focuses it, and close requests sent as a window manager sends them. Each case is a fault of focus, keys or
pointer that driving the controls from inside (a slot called, a row made current) cannot show.
"""
import os

import pyatspi

from zebdriver import (Zeb, answer_question, application, centre, choice, click, double_click, fail, find,
                       focus_window, install, item, items, key, main, move_pointer, move_pointer_over, open_dialog,
                       request_close, search, selected_rows, settings_file, settle, showing, type_text, wait_for, walk,
                       window_titled, write_sound, xdotool)



def hint():
    return wait_for('the hint line', lambda: next(
        (n.name for n in walk(application()) if n.description == 'Suggerimento'), None))


def focused():
    """The control that has the keyboard (the application, its windows and the current entries of lists
    say they have it too)."""
    return wait_for('a control with the keyboard', lambda: next(
        (n for n in walk(application()) if n.getState().contains(pyatspi.STATE_FOCUSED)
         and n.getRoleName() not in ('application', 'frame', 'window', 'dialog', 'list item')), None))


def within(node, name):
    while node is not None and node.name != name:
        node = node.parent
    return node is not None


def settings_window():
    """The settings window picks no format by itself, and while it is open the main window takes nothing."""
    click(find('Modifica le impostazioni di ZEB'))
    setup = window_titled('ZEB Setup')
    focus_window('ZEB Setup')
    remove = find('Elimina', 'push button', setup)
    click(remove)
    click(remove)
    if items('Formati riconosciuti', setup) != ['mp3', 'wav', 'avi']:
        fail('Elimina removed a format nobody picked: %s left' % items('Formati riconosciuti', setup))
    click(item('Formati riconosciuti', 'avi', setup))
    click(remove)
    click(remove)
    if items('Formati riconosciuti', setup) != ['mp3', 'wav']:
        fail('Elimina after a pick left %s, not mp3 and wav' % items('Formati riconosciuti', setup))

    before = hint()
    move_pointer_over(find('Esegui tutti i brani nella lista'))
    if hint() != before:
        fail('the hint line followed the pointer over the disabled main window: ' + hint())
    request_close('ZEB')
    if open_dialog():
        fail('the main window took a close request while the settings window was open')
    click(find('OK', 'push button', setup))
    request_close('ZEB')
    answer_question('No')


def chooser_keeps_the_keyboard():
    """Keys pressed while the chooser is open reach the chooser alone, never the playlist it covers."""
    click(item('File multimediali', 'a.wav'))
    xdotool('keydown', 'shift')
    click(item('File multimediali', 'b.wav'))
    xdotool('keyup', 'shift')
    click(find('Aggiungi alla lista i files selezionati'))
    wait_for('the playlist', lambda: items('Lista dei brani') == ['a', 'b'])
    click(item('Lista dei brani', 'a'))

    click(find("Leggi un'altra lista"))
    focus_window('ZEB')
    for _ in range(8):
        if not within(focused(), 'Scelta del file di lista'):
            fail('the keyboard went outside the chooser, to ' + repr(focused().name))
        key('Tab')
    key('shift+Tab', 'Delete', 'Up', 'Delete', 'Down', 'Delete')
    click(find("Annulla l'operazione"))
    if items('Lista dei brani') != ['a', 'b']:
        fail('keys in the chooser changed the playlist under it: %s' % items('Lista dei brani'))


def chooser_names_a_clicked_file(folder):
    """A click on the list file already selected names it again, as any click does."""
    click(find('Salva la lista corrente'))
    double_click(item('Cartelle delle liste', 'Liste'))
    wait_for('Rock.zbl', lambda: items('File delle liste') == ['Rock.zbl'])
    click(item('File delle liste', 'Rock.zbl'))
    click(find('Nome del file', 'text'))
    key('ctrl+a')
    type_text('Altro')
    double_click(item('File delle liste', 'Rock.zbl'))
    rock = os.path.join(folder, 'Liste', 'Rock.zbl')
    window_titled('ZEB - ' + rock)
    if os.path.exists(os.path.join(folder, 'Liste', 'Altro.zbl')):
        fail('the double-click saved under the typed name, not the clicked file')
    if b'\r\na\r\nb\r\n' not in open(rock, 'rb').read():
        fail('the clicked file was not written')


def seconds(clock):
    minutes, seconds = clock.split(':')
    return int(minutes) * 60 + int(seconds)


def position():
    """The position the viewer's status line shows, "lungo.wav — 0:12 / 2:00 — In riproduzione", in seconds."""
    status = wait_for('the status line', lambda: next(
        (n.name for n in walk(window_titled('[ZEB] ')) if n.getRoleName() == 'label' and ' / ' in n.name), None))
    return seconds(status.split(' — ')[1].split(' / ')[0])


def seek_bar_seeks_on_a_click():
    """A click on the seek bar's groove moves the playback there, not only the bar's handle."""
    click(item('File multimediali', 'lungo.wav'))
    click(find('Aggiungi alla lista i files selezionati'))
    double_click(item('Lista dei brani', 'lungo'))
    viewer = window_titled('[ZEB] lungo')
    wait_for('the sound to start', lambda: ' — In riproduzione' in ''.join(
        n.name for n in walk(viewer) if n.getRoleName() == 'label'))
    bar = find('Posizione', within=viewer)
    width = bar.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width
    click(bar, at=(width * 9 // 10, 8))
    settle(1)
    if position() < 20:
        fail('a click on the seek bar did not seek: the position is %d s' % position())
    click(find('Esci', 'push button', viewer))


def hint_follows_after_a_double_click_let_go_elsewhere():
    """A double-click that plays, its button let go a moment later away from where it was pressed: back
    in the main window, the hint line follows the pointer again."""
    click(item('File multimediali', 'lungo.wav'))
    xdotool('mousedown', 1)
    settle(0.3)
    move_pointer(1000, 750)
    xdotool('mouseup', 1)
    window_titled('[ZEB] lungo')
    request_close('[ZEB] lungo', whole=False)  # a click there would let Qt see a release
    move_pointer_over(find('Informazioni su ZEB'))
    if hint() != 'Informazioni su ZEB':
        fail('after playing, the hint line did not follow the pointer: it says %r' % hint())


def playlist_entry_dragged(folder):
    """An entry of the playlist dragged with the pointer below another stands there, selected, its path in
    the hint line."""
    wait_for('the playlist', lambda: items('Lista dei brani') == ['a', 'b', 'lungo'])
    start, end = centre(item('Lista dei brani', 'a')), centre(item('Lista dei brani', 'lungo'))
    move_pointer(*start)
    xdotool('mousedown', 1)
    for step in (4, 12, 24):
        move_pointer(start[0], start[1] + step)
        settle(0.1)
    move_pointer(end[0], end[1] + 4)
    settle(0.3)
    move_pointer(end[0], end[1] + 5)
    settle(0.3)
    xdotool('mouseup', 1)
    wait_for('the entry moved', lambda: items('Lista dei brani') == ['b', 'lungo', 'a'])
    playlist = find('Lista dei brani')
    if selected_rows(playlist) != [2]:
        fail('after the drag the rows %s are selected, not the moved entry' % selected_rows(playlist))
    if hint() != os.path.join(folder, 'a.wav'):
        fail('after the drag the hint line says %r' % hint())


def read_as_a_screen_reader_reads(viewer=None):
    """Windows are frames; a drop-down list reads as its name with its choice selected in its list; a
    button's description never repeats its name; the hint strip and the picture have names; the play/pause
    button names what a press does."""
    app = application()
    roles = {w.name: w.getRoleName() for w in (app.getChildAtIndex(i) for i in range(app.childCount))
             if w is not None and showing(w)}
    if set(roles.values()) != {'frame'}:
        fail('the windows read as %s' % roles)
    if viewer is None:
        if choice(find('Unità', 'combo box')) != '/' or not search('Suggerimenti'):
            fail('the drive list or the hint strip reads wrong')
    else:
        if not search('Immagine', within=viewer) or not search('Pausa', 'push button', viewer):
            fail('the picture is unnamed, or the play/pause button does not say that a press pauses')
    repeated = [n.name for n in walk(viewer or app) if n.getRoleName() in ('push button', 'toggle button')
                and n.description == n.name]
    if repeated:
        fail('these buttons repeat their names as their descriptions: %s' % repeated)


def enter_does_what_a_double_click_does(folder):
    """Enter on a media file plays it (as its double-click does here), Enter on a playlist entry plays it;
    in the chooser Esc cancels and Enter in the name saves."""
    for list_name, name in (('File multimediali', 'lungo.wav'), ('Lista dei brani', 'lungo')):
        click(item(list_name, name))
        key('Return')
        viewer = window_titled('[ZEB] lungo')
        read_as_a_screen_reader_reads(viewer)
        request_close('[ZEB] lungo')
        window_titled('ZEB - ')
    click(find('Salva la lista corrente'))
    key('Escape')
    wait_for('Esc to close the chooser', lambda: not search('Scelta del file di lista'))
    click(find('Salva la lista corrente'))
    click(find('Nome del file', 'text'))
    key('ctrl+a')
    type_text('Tasti')
    key('Return')
    window_titled('ZEB - ' + os.path.join(folder, 'Liste', 'Tasti.zbl'))


def run(work):
    folder = os.path.join(work, 'zeb')
    home = os.path.join(work, 'home')
    os.makedirs(os.path.join(folder, 'Liste'))
    os.makedirs(home)
    install(os.environ['ZEB_BINARY'], folder)
    for name in ('a', 'b', 'c'):
        write_sound(os.path.join(folder, name + '.wav'))
    write_sound(os.path.join(folder, 'lungo.wav'), 120)
    with open(os.path.join(folder, 'Liste', 'Rock.zbl'), 'wb') as rock:
        rock.write(b'Lista ZEB\r\n 1 \r\nx\r\n/x.wav\r\n')
    with open(os.path.join(folder, 'ZEBcfg.dat'), 'wb') as settings:
        settings.write(settings_file([('mp3', True), ('wav', True), ('avi', True)], double_click_plays=True))

    zeb = Zeb(folder, home)
    read_as_a_screen_reader_reads()
    settings_window()
    chooser_keeps_the_keyboard()
    chooser_names_a_clicked_file(folder)
    seek_bar_seeks_on_a_click()
    hint_follows_after_a_double_click_let_go_elsewhere()
    playlist_entry_dragged(folder)
    enter_does_what_a_double_click_does(folder)
    request_close('ZEB - ' + os.path.join(folder, 'Liste', 'Tasti.zbl'))
    answer_question('Sì')
    zeb.wait_for_exit()


if __name__ == '__main__':
    main(run)
