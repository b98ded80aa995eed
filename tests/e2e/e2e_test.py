"""ZEB driven as a person would: the real program on an X display, its controls found through the
accessibility interface, pointer and keys from xdotool.

Starts with no settings file, adds the format wav in the settings window, walks to a folder of three
tiny sound files, adds them, saves the list, quits with Yes, checks the settings file and the list file
byte for byte, starts again with the list reloaded, plays it to its end, and answers No to the exit
question, which leaves the settings file as it was.
"""
import os
import time

import pyatspi

from zebdriver import (Zeb, answer_question, click, dialog, double_click, fail, find, install, integer_record, item, items,
                       main, press, text_record, wait_for, walk, window_titled, write_sound, xdotool)


def run(work):
    folder = os.path.join(work, 'zeb')
    home = os.path.join(work, 'home')
    music = os.path.join(folder, 'Brani')
    os.makedirs(music)
    os.makedirs(home)
    install(os.environ['ZEB_BINARY'], folder)
    for name in ('uno', 'due', 'tre'):
        write_sound(os.path.join(music, name + '.wav'))
    settings = os.path.join(folder, 'ZEBcfg.dat')

    # First run: no settings file, so no formats; wav is added in the settings window.
    zeb = Zeb(folder, home)
    press('Modifica le impostazioni di ZEB')
    setup = window_titled('ZEB Setup')
    press('Aggiungi', setup)
    asked = dialog('ZEB')
    find(None, 'text', asked).queryEditableText().setTextContents('wav')
    press('OK', asked)
    wait_for('the format wav', lambda: any(n.name == 'wav' for n in walk(setup)))
    press('OK', setup)

    # Walk to the folder and add its three files, selected with a click and a Shift-click.
    wait_for('the main window back', lambda: find('Cartelle').getState().contains(pyatspi.STATE_ENABLED))
    double_click(item('Cartelle', 'Brani'))
    wait_for('the three files', lambda: items('File multimediali') == ['due.wav', 'tre.wav', 'uno.wav'])
    click(item('File multimediali', 'due.wav'))
    xdotool('keydown', 'shift')
    click(item('File multimediali', 'uno.wav'))
    xdotool('keyup', 'shift')
    press('Aggiungi alla lista i files selezionati')
    wait_for('the playlist', lambda: items('Lista dei brani') == ['due', 'tre', 'uno'])

    # Save the list under the name Prova, in the folder the chooser starts in: the program's own.
    press('Salva la lista corrente')
    name = find('Nome del file', 'text')
    name.queryEditableText().setTextContents('Prova')
    press('Conferma il file selezionato')
    list_file = os.path.join(folder, 'Prova.zbl')
    window_titled('ZEB - ' + list_file)

    press('Chiudi ZEB')
    answer_question('Sì')
    zeb.wait_for_exit()

    data = open(settings, 'rb').read()
    if text_record(data, 1) != list_file:
        fail('the settings file names %r as the current list' % text_record(data, 1))
    if integer_record(data, 10) != 1 or text_record(data, 11) != 'wav' or text_record(data, 12) != 'si':
        fail('the settings file does not hold the format wav, ticked')
    if len(data) != 12 * 128:
        fail('the settings file has %d bytes, not 12 records' % len(data))
    paths = [os.path.join(music, name + '.wav') for name in ('due', 'tre', 'uno')]
    expected = ('Lista ZEB\r\n 3 \r\ndue\r\ntre\r\nuno\r\n' + ''.join(p + '\r\n' for p in paths)).encode()
    if open(list_file, 'rb').read() != expected:
        fail('the list file is not as expected')

    # Second run: the list comes back, plays to its end, and the main window returns.
    zeb = Zeb(folder, home)
    window_titled('ZEB - ' + list_file)
    wait_for('the reloaded playlist', lambda: items('Lista dei brani') == ['due', 'tre', 'uno'])
    press('Esegui tutti i brani nella lista')
    wait_for('the viewer', lambda: window_titled('[ZEB] '))
    window_titled('ZEB - ' + list_file)

    # No at the exit question leaves everything, the settings file included, as it was.
    before = open(settings, 'rb').read()
    stamp = os.stat(settings).st_mtime_ns
    press('Chiudi ZEB')
    answer_question('No')
    time.sleep(0.5)
    if zeb.process.poll() is not None:
        fail('ZEB ended although the exit was declined')
    if open(settings, 'rb').read() != before or os.stat(settings).st_mtime_ns != stamp:
        fail('declining the exit changed the settings file')
    press('Chiudi ZEB')
    answer_question('Sì')
    zeb.wait_for_exit()


if __name__ == '__main__':
    main(run)
