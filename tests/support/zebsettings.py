"""ZEB's settings file, as the tests, the benchmarks and the screenshots write and read it: records of 128
bytes, each a type tag and a value (2: a 16-bit integer, 4: a float, 8: a text after its length). In order:
the last list file, Continuo, Random, what a double-click on a media file does, the viewer's left and top
and the main window's in twips, Scala, the number of formats, then their extensions and whether each is
ticked ("si" or "no")."""
import struct


def record(data, number):
    """The record at number, counted from 1."""
    return data[(number - 1) * 128:number * 128]


def text_record(data, number):
    item = record(data, number)
    tag, length = struct.unpack('<HH', item[:4])
    return item[4:4 + length].decode() if tag == 8 else None


def integer_record(data, number):
    tag, value = struct.unpack('<Hh', record(data, number)[:4])
    return value if tag == 2 else None


def settings_file(formats, list_file='', double_click_plays=False, viewer=(0, 0)):
    """The bytes of a settings file with these (extension, ticked) formats, and the rest as told or unset."""
    def padded(item):
        return item + b'\0' * (128 - len(item))

    def text(value):
        encoded = value.encode()
        return padded(struct.pack('<HH', 8, len(encoded)) + encoded)

    def integer(value):
        return padded(struct.pack('<Hh', 2, value))

    def real(value):
        return padded(struct.pack('<Hf', 4, value))

    records = [text(list_file), integer(0), integer(0), integer(int(double_click_plays)), real(viewer[0]),
               real(viewer[1]), real(0), real(0), integer(0), integer(len(formats))]
    records += [text(extension) for extension, _ in formats]
    records += [text('si' if ticked else 'no') for _, ticked in formats]
    return b''.join(records)
