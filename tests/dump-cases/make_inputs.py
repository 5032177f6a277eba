#!/usr/bin/env python3
"""Writes the hand-made binary inputs of the VorlDump golden cases.

Resource compilers refuse some of what a property list may hold (negative
numbers, bytes 0x80-0x9F in strings), and no compiler writes broken records or
broken files; these inputs are therefore built byte by byte here. Run it from
this folder after changing it; the cases hold its output.
"""
import struct


def code(text):
    """A four-character code as the block stores it: characters reversed."""
    return text.encode('latin-1')[::-1]


def record(key, data, length=None, vendor='5KIM', prop_id=0):
    if length is None:
        length = len(data)
    return code(vendor) + code(key) + struct.pack('<II', prop_id, length) + data


def vorl(records, count=None, first_word=1):
    if count is None:
        count = len(records)
    return struct.pack('<HII', first_word, 0, count) + b''.join(records)


def name_or_number(value):
    if isinstance(value, int):
        return struct.pack('<HH', 0xFFFF, value)
    return value.encode('utf-16-le') + b'\0\0'


def res_entry(rtype, rname, data):
    head = name_or_number(rtype) + name_or_number(rname)
    head += b'\0' * (-len(head) % 4)
    head += struct.pack('<IHHII', 0, 0x1030, 0x0409, 0, 0)
    entry = struct.pack('<II', len(data), 8 + len(head)) + head + data
    return entry + b'\0' * (-len(entry) % 4)


def res_file(resources):
    return res_entry(0, 0, b'') + b''.join(res_entry(t, n, d) for t, n, d in resources)


def write(path, data):
    with open(path, 'wb') as out:
        out.write(data)


# Values only other compilers let through: negative and large numbers, flag
# bytes 0x80, string bytes without a Macintosh counterpart.
write('dump-values-llvm-rc-refuses/in.res', res_file([('VORL', 500, vorl([
    record('prty', struct.pack('<i', -1)),
    record('eVER', struct.pack('<i', -5)),
    record('zrRD', struct.pack('<I', 0x80000000)),
    record('vers', struct.pack('<HH', 0, 0x8000)),
    record('mode', b'\x80\x00\0\0'),
    record('expf', b'\x80\0\0\0'),
    record('mxsz', struct.pack('<HH', 40000, 65535)),
    record('ePVR', struct.pack('<HH', 65535, 1)),
    record('name', b'\x04\x80\x81\xe9\x99\0\0\0'),
    record('eMNA', b'\x02\x9f\xa0\0'),
]))]))

# Records the table does not know or that do not fit their layout; the walk
# goes on after each.
write('dump-unknown-and-malformed-records/in.res', res_file([('VORL', 600, vorl([
    record('kind', code('5KFM')),
    record('abcd', b'\x01\x02\x03'),
    record('kind', code('5KFM'), vendor='8BIM'),
    record('kind', code('5KFM'), prop_id=7),
    record('kind', code('5KFM') + b'\0\0', length=6),
    record('kind', code('what')),
    record('fmtf', b'\x01\0\0\0'),
    record('mode', b'\x10\x00\x01\0'),
    record('fici', b'\x01\x01\x00\x00' * 6 + b'\x09\x01\x00\x00'),
    record('RdTy', code('TEXT') + code('ttx')[:3]),
    record('host', b"'ab\x00"),
    record('eINF', struct.pack('<I', 0x10), length=4),
    record('long', bytes(range(40))),
    record('name', b'\x05abcde\0\0', length=8),
], count=15) + b'\x4d\x49\x4b'), ('VORL', 601, vorl([
    record('kind', code('5KFM')),
    record('catg', b'\x03abc', length=4) + b'\0' * 8,
], first_word=2)), ('VORL', 602, vorl([
    record('kind', code('5KFM')),
    record('name', b'\x04abcd', length=100),
]))]))

# String lists the converter never writes: a count that disagrees with the
# strings, a zero byte inside the last string, bytes after the last terminator.
write('dump-string-list-odd-blocks/in.res', res_file([
    ('LSTR', 700, b'\0\0\0\x01' + b'ab\0cd\0'),
    ('LSTR', 701, b'\0\0\0\x03' + b'ab\0'),
    ('LSTR', 702, b'\0\0\0\x01' + b'ab\0xyz'),
    ('LSTR', 703, b'\x01\0'),
    ('LSTR', 704, b'\0\0\0\x02' + b'\x81\x5c\0"\\\x0a\x7f\0'),
]))

# Only resources of other types: nothing to dump.
write('dump-no-property-lists/in.res', res_file([('FOO', 1, b'abcd'), (6, 1, b'\0\0')]))

# A resource named by a string instead of a number, and one of type 'TzAv'.
write('dump-named-resource/in.res', res_file([
    ('TZAV', 'PLUGIN', vorl([record('kind', code('eFKT'))])),
    ('vorl', 5, vorl([])),
]))


# One refusal of each layout, and lists in their long form.
write('dump-records-each-layout-refuses/in.res', res_file([('VORL', 800, vorl([
    record('mode', b'\x10\x00\x00\x01'),
    record('fmip', b'\x80\x01\0\0'),
    record('expf', b'\x80\0\x01\0'),
    record('fmtf', b'\x20\0\0\x01'),
    record('mxch', b''),
    record('mxch', b'\x01\x00\x02'),
    record('fmTC', code('TEXT') + b'\x01\x02\x03\x04'),
    record('psTY', b''),
    record('psEX', b''.join(code(c) for c in ['1  A', '2  A', '3  A', '4  A', '5  A', '6  A', '7  A', '8  A', '9  A'])[::-1]),
    record('FXMF', struct.pack('<HHII', 1, 0, 0x800, 0) + code('SIGN')),
    record('FXMF', struct.pack('<HHII', 1, 0, 1, 0) + b'\x01\x02\x03\x04'),
    record('FXMF', struct.pack('<HHII', 1, 0, 1, 5) + code('SIGN')),
    record('hstm', b'\0' * 14),
    record('hstm', b'\0' * 17),
    record('hstm', struct.pack('<I', 1) + code('clas') + code('evnt') + b'\x01\x00a\0'),
    record('hstm', struct.pack('<I', 0) + code('clas') + b'\x01\x02\x03\x04' + b'\x01\x00a\0'),
    record('hstm', struct.pack('<I', 0) + code('clas') + code('evnt') + b'\x01\x00a\0'),
    # Codes and an id, and no text at all.
    record('hstm', struct.pack('<I', 0) + code('clas') + code('evnt') + b'\x01\x00'),
    record('wx86', b'abc', length=3),
    record('name', b'\xff' + b'\x81' * 255),
    # An entry point that no text of 1,024 characters spells.
    record('wx86', b'\x81' * 300 + b'\0' * 4),
    record('a*bc', b''),
    record('ab/c', b''),
    record('\x01\x02\x03\x04', b''),
    record('name', b'', length=4),
])), ('VORL', 801, vorl([record('kind', b'MF', length=4)])), ('VORL', 802, b'\x01\x00\x00\x00\x00'), ('LSTR', 803, b'\x01\x02\0\x01a\0'),
    ('LSTR', 804, b'\0\0\0\x01a\0\0'), ('LSTR', 805, b'\0\0\0\x01a\0b\0'), ('LSTR', 806, b'\0\0\0\x01a\0b')]))

# Strings written back under the Japanese rules, where double-byte
# characters must stay whole and a lead byte cannot end a literal.
write('dump-japanese-output/in.res', res_file([('VORL', 900, vorl([
    record('name', b'\x04\xe0\x41\xe0\x22\0\0\0'),
    record('catg', b'\x03\xe0\x5c\xe0'),
    record('catg', b'\x03\xe0\x01\xe0'),
    record('catg', b'\x07\xe0\x7f\x82\xa0\x83\x41\xa0'),
    record('host', b'\xe0abc'),
    record('host', b'abc\xe0'),
])), ('LSTR', 901, b'\0\0\0\x03' + b'\x95\x5c\x95\x22\0\xe0\x01\xe0\x7f\xe0\0\x83\x41\xa0\0\0')]))


# Broken files made from the compiled ones of other cases.
def pe_resource_tree(image):
    """Offsets of the resource directory root, the first name directory and
    the first language directory of a PE image."""
    pe = struct.unpack_from('<I', image, 0x3C)[0]
    sections, optional_size = struct.unpack_from('<H', image, pe + 6)[0], struct.unpack_from('<H', image, pe + 20)[0]
    optional = pe + 24
    directories = optional + (112 if struct.unpack_from('<H', image, optional)[0] == 0x20B else 96)
    rva = struct.unpack_from('<I', image, directories + 16)[0]
    for i in range(sections):
        _, _, address, raw_size, raw_offset = struct.unpack_from('<8sIIII', image, optional + optional_size + 40 * i)
        if address <= rva < address + raw_size:
            root = raw_offset + rva - address
    first_target = lambda directory: struct.unpack_from('<I', image, directory + 20)[0] & 0x7FFFFFFF
    names = root + first_target(root)
    return root, names, root + first_target(names)


with open('dump-dll64-format-example/plugin.8bi', 'rb') as dll:
    image = bytearray(dll.read())
root, names, languages = pe_resource_tree(image)

loop = bytearray(image)  # the name directory's entry leads back to the root
struct.pack_into('<I', loop, names + 20, 0x80000000)
write('dump-error-directory-loop/plugin.dll', loop)

wrong = bytearray(image)  # the language entry leads to a directory, not to data
struct.pack_into('<I', wrong, languages + 20, 0x80000000 | (names - root))
write('dump-error-directory-where-data-belongs/plugin.dll', wrong)

outside = bytearray(image)  # the data's address lies in no section
data_entry = root + struct.unpack_from('<I', image, languages + 20)[0]
struct.pack_into('<I', outside, data_entry, 0x7FFF0000)
write('dump-error-data-outside-sections/plugin.dll', outside)

write('dump-error-truncated-dll/plugin.dll', image[:root + 60])

with open('dump-res-effect-example/in.res', 'rb') as res:
    write('dump-error-truncated-res/in.res', res.read()[:200])


# A DLL whose resources are named by strings (one longer than a dump shows),
# one of them empty, beside types that are none of ours. lld-link makes it.
import os
import subprocess
import tempfile

with tempfile.TemporaryDirectory() as folder:
    named = os.path.join(folder, 'named.res')
    write(named, res_file([
        ('VORL', 'FILTER(1)', vorl([record('kind', code('5KFM'))])),
        ('VORL', 'A_NAME_LONGER_THAN_SIXTY_FOUR_CHARACTERS_IS_SHOWN_SHORTENED_IN_THE_DUMP', vorl([])),
        ('VORL', 9, b''),
        ('TZAV', 5, vorl([record('kind', code('eFKT'))])),
        ('VORLX', 1, b'abcd'),
        (6, 1, b'\0\0'),
    ]))
    subprocess.run(['lld-link', '/dll', '/noentry', '/Brepro', '/machine:x64',
                    '/implib:' + os.path.join(folder, 'named.lib'),
                    '/out:' + os.path.abspath('dump-dll-named-resources/plugin.dll'), named],
                   check=True)


# Two resources whose data entries point at the same bytes, and data that
# runs past the end of its section.
with open('dump-dll32-every-family/plugin.dll', 'rb') as dll:
    image = bytearray(dll.read())
root, names, languages = pe_resource_tree(image)


def data_entry_of_type(index):
    """The data entry of the first name and language of the index-th type."""
    target = lambda entry: struct.unpack_from('<I', image, entry + 4)[0] & 0x7FFFFFFF
    name_directory = root + target(root + 16 + 8 * index)
    language_directory = root + target(name_directory + 16)
    return root + target(language_directory + 16)


first_entry, second_entry = data_entry_of_type(0), data_entry_of_type(1)
shared = bytearray(image)
struct.pack_into('<I', shared, second_entry, struct.unpack_from('<I', image, first_entry)[0])
write('dump-error-shared-data/plugin.dll', shared)
overrun = bytearray(image)
struct.pack_into('<I', overrun, first_entry + 4, 0x10000)
write('dump-error-data-past-section/plugin.dll', overrun)


# A resource name that holds a blank: the dump shows the blank as it stands.
write('dump-name-with-blank/in.res', res_file([
    ('VORL', 'MY FILTER', vorl([record('kind', code('5KFM'))])),
]))


# An optional header that ends right where the resource directory's entry
# ends: three data directories, the section table moved up behind them.
with open('dump-dll64-format-example/plugin.8bi', 'rb') as dll:
    image = bytearray(dll.read())
pe = struct.unpack_from('<I', image, 0x3C)[0]
sections, optional_size = struct.unpack_from('<H', image, pe + 6)[0], struct.unpack_from('<H', image, pe + 20)[0]
optional = pe + 24
ends_at_resources = bytearray(image)
struct.pack_into('<H', ends_at_resources, pe + 20, 136)
struct.pack_into('<I', ends_at_resources, optional + 108, 3)
table = image[optional + optional_size:optional + optional_size + 40 * sections]
ends_at_resources[optional + 136:optional + 136 + len(table)] = table
write('dump-dll-optional-header-ends-at-resource-entry/plugin.dll', ends_at_resources)


# A name that holds a byte 127: written as the byte itself, since an escape
# would not count as the one character the length byte says.
write('dump-name-with-byte-127/in.res', res_file([('VORL', 902, vorl([
    record('name', b'\x03a\x7fb'),
]))]))
