#!/usr/bin/env python3
"""A small Adobe Swatch Exchange reader written from the format alone (standard library only), to check the
.ase files tintorium-cli writes with something that shares none of its code.

  ase_reader.py FILE.ase                 prints one "name<TAB>RRGGBB" line per colour (RGB and Gray colours)
  ase_reader.py --check CLI CORPUS_DIR   converts palettes with CLI to .ase, reads them here, and compares the
                                         names and colours with what "CLI palette show" lists for the source

The reader is strict: a wrong signature, version, count, block length, name length or terminator is an error.
"""
import os
import struct
import subprocess
import sys
import tempfile

MODELS = {b'RGB ': 3, b'CMYK': 4, b'LAB ': 3, b'Gray': 1}


class AseError(Exception):
    pass


def read_ase(data):
    """[(group, name, model, values, colour type)] of every colour, in file order."""
    if data[:4] != b'ASEF':
        raise AseError('no ASEF signature')
    if len(data) < 12:
        raise AseError('header cut short')
    major, minor, count = struct.unpack('>HHI', data[4:12])
    if (major, minor) != (1, 0):
        raise AseError(f'version {major}.{minor}')
    colours, group, pos = [], '', 12
    for number in range(1, count + 1):
        if pos + 6 > len(data):
            raise AseError(f'block {number} missing')
        kind, length = struct.unpack('>HI', data[pos:pos + 6])
        body = data[pos + 6:pos + 6 + length]
        if len(body) != length:
            raise AseError(f'block {number} cut short')
        pos += 6 + length
        if kind == 0xC002:
            if length:
                raise AseError(f'group end {number} has contents')
            group = ''
            continue
        name, used = read_name(body, number)
        if kind == 0xC001:
            if used != length:
                raise AseError(f'group start {number}: {length} bytes for {used}')
            group = name
            continue
        if kind != 0x0001:
            raise AseError(f'block {number}: unknown type {kind:#06x}')
        model = body[used:used + 4]
        if model not in MODELS:
            raise AseError(f'block {number}: unknown model {model!r}')
        n = MODELS[model]
        end = used + 4 + 4 * n + 2
        if end != length:
            raise AseError(f'colour {number}: {length} bytes for {end}')
        values = struct.unpack('>' + 'f' * n, body[used + 4:used + 4 + 4 * n])
        (colour_type,) = struct.unpack('>H', body[end - 2:end])
        if colour_type not in (0, 1, 2):
            raise AseError(f'colour {number}: colour type {colour_type}')
        colours.append((group, name, model.decode('ascii').strip(), values, colour_type))
    if pos != len(data):
        raise AseError(f'{len(data) - pos} bytes after the last block')
    return colours


def read_name(body, number):
    """The name and the bytes it takes: a length in UTF-16 units counting the terminator, the units, 0."""
    if len(body) < 2:
        raise AseError(f'block {number}: no name length')
    (units,) = struct.unpack('>H', body[:2])
    raw = body[2:2 + 2 * units]
    if units == 0 or len(raw) != 2 * units or raw[-2:] != b'\0\0':
        raise AseError(f'block {number}: name of {units} units is not terminated')
    name = raw[:-2].decode('utf-16-be', errors='surrogatepass')
    if '\0' in name:
        raise AseError(f'block {number}: zero inside the name')
    return name, 2 + 2 * units


def hex_of(model, values):
    if model == 'Gray':
        values = values * 3
    elif model != 'RGB':
        raise AseError(f'{model} colour where RGB was written')
    channels = []
    for v in values:
        if not 0.0 <= v <= 1.0:
            raise AseError(f'channel {v} outside 0-1')
        channels.append(round(v * 255))
    return '%02X%02X%02X' % tuple(channels)


def dump(path):
    with open(path, 'rb') as f:
        for group, name, model, values, _ in read_ase(f.read()):
            print(f'{group + " / " if group else ""}{name}\t{hex_of(model, values)}')


def shown(cli, source):
    """(name, hex) of each colour "palette show" lists."""
    out = subprocess.run([cli, 'palette', 'show', source], check=True, capture_output=True).stdout
    rows = []
    for line in out.decode('utf-8', errors='surrogateescape').splitlines():
        fields = line.split('\t')
        rows.append((fields[0], fields[3]))
    return rows


def check(cli, corpus):
    sources = sorted(os.path.join(corpus, f) for f in os.listdir(corpus) if f.endswith(('.gpl', '.ase')))
    sources = [s for s in sources if 'unsupported_version' not in s]
    failures, checked = [], 0
    with tempfile.TemporaryDirectory() as tmp:
        # Our own palettes too: a .tnp made by the program, with models other than RGB.
        own = os.path.join(tmp, 'own.tnp')
        subprocess.run([cli, 'palette', 'convert', os.path.join(corpus, 'dagronf-palette_complex.ase'), own],
                       check=True)
        for source in sources + [own]:
            target = os.path.join(tmp, os.path.basename(source) + '.ase')
            subprocess.run([cli, 'palette', 'convert', source, target], check=True)
            with open(target, 'rb') as f:
                try:
                    colours = read_ase(f.read())
                except AseError as e:
                    failures.append(f'{source}: {e}')
                    continue
            got = [(name, hex_of(model, values)) for group, name, model, values, colour_type in colours
                   if not group and colour_type == 2]
            want = shown(cli, source)
            if len(got) != len(colours) or got != want:
                mismatch = next((i for i, pair in enumerate(zip(got, want)) if pair[0] != pair[1]), None)
                failures.append(f'{source}: {len(got)} colours read, {len(want)} shown; first difference at '
                                f'{mismatch}: {got[mismatch] if mismatch is not None else ""} vs '
                                f'{want[mismatch] if mismatch is not None else ""}')
            checked += 1
    for failure in failures:
        print('FAIL', failure)
    print(f'{checked} exports read, {len(failures)} failures')
    return 1 if failures or checked < 15 else 0


def main(argv):
    if len(argv) == 4 and argv[1] == '--check':
        return check(argv[2], argv[3])
    if len(argv) == 2:
        dump(argv[1])
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv))
