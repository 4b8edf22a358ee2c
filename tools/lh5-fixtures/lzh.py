"""Just enough of the LHA archive layout to put a raw lh5 bit stream into an .lzh archive
and to take one out again: level-0 and level-2 headers for writing, levels 0, 1 and 2
for reading, and the CRC-16 that both the headers and the data carry."""

import struct

LH5 = b"-lh5-"


def crc16(data: bytes, crc: int = 0) -> int:
    """CRC-16/ARC (reflected polynomial 0xA001, start 0), as LHA uses it."""
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def level0_entry(name: bytes, method: bytes, packed: bytes, original: bytes) -> bytes:
    """A level-0 entry: one-byte header size and checksum, the name in the header."""
    body = (method + struct.pack("<IIIBBB", len(packed), len(original), 0x00210000, 0x20, 0, len(name))
            + name + struct.pack("<H", crc16(original)))
    return bytes([len(body), sum(body) & 0xFF]) + body + packed


def level2_entry(name: bytes, method: bytes, packed: bytes, original: bytes) -> bytes:
    """A level-2 entry with a header-CRC and a file-name extended header."""
    crc_ext = bytearray(b"\x00\x00\x00") + struct.pack("<H", 1 + len(name) + 2)
    name_ext = b"\x01" + name + b"\x00\x00"
    total = 26 + len(crc_ext) + len(name_ext)
    header = bytearray(struct.pack("<H", total) + method
                       + struct.pack("<IIIBBHBH", len(packed), len(original), 0, 0x20, 2,
                                     crc16(original), ord("U"), len(crc_ext)))
    header += crc_ext + name_ext
    assert len(header) == total
    header[27:29] = struct.pack("<H", crc16(bytes(header)))
    return bytes(header) + packed


def archive(entries) -> bytes:
    """The entries followed by the end mark (a zero header size)."""
    return b"".join(entries) + b"\x00"


def read_entries(data: bytes):
    """Yields (name, method, packed bytes, original size, data CRC) of every entry."""
    pos = 0
    while pos < len(data) and data[pos] != 0:
        level = data[pos + 20]
        method = data[pos + 2:pos + 7]
        packed_size, original_size = struct.unpack_from("<II", data, pos + 7)
        if level in (0, 1):
            size = data[pos]
            end = pos + 2 + size
            if sum(data[pos + 2:end]) & 0xFF != data[pos + 1]:
                raise ValueError("level-%d header checksum mismatch at %d" % (level, pos))
            name_len = data[pos + 21]
            name = data[pos + 22:pos + 22 + name_len]
            (crc,) = struct.unpack_from("<H", data, pos + 22 + name_len)
            if level == 1:
                # Extended headers follow the basic header and count as packed data.
                (next_size,) = struct.unpack_from("<H", data, end - 2)
                while next_size:
                    ext = data[end:end + next_size]
                    if ext[0] == 0x01:
                        name = ext[1:-2]
                    packed_size -= next_size
                    end += next_size
                    (next_size,) = struct.unpack_from("<H", data, end - 2)
        elif level == 2:
            (size,) = struct.unpack_from("<H", data, pos)
            end = pos + size
            (crc,) = struct.unpack_from("<H", data, pos + 21)
            name = b""
            ext_pos = pos + 24
            (next_size,) = struct.unpack_from("<H", data, ext_pos)
            ext_pos += 2
            while next_size:
                ext = data[ext_pos:ext_pos + next_size - 2]
                if ext[0] == 0x01:
                    name = ext[1:]
                ext_pos += next_size - 2
                (next_size,) = struct.unpack_from("<H", data, ext_pos)
                ext_pos += 2
        else:
            raise ValueError("unsupported header level %d" % level)
        yield name, method, data[end:end + packed_size], original_size, crc
        pos = end + packed_size
