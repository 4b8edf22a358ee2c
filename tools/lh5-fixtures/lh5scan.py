"""A slow, plain lh5 decoder that also records which coder paths a stream takes (blocks,
single-symbol tables, zero runs, distances), so the fixture script can show that every
fixture exercises what it is meant to. Development use only."""


class _Bits:
    def __init__(self, data: bytes):
        self.data = data
        self.pos = 0  # in bits

    def peek(self, n: int) -> int:
        value = 0
        for i in range(self.pos, self.pos + n):
            byte = self.data[i >> 3] if (i >> 3) < len(self.data) else 0  # zero bits past the end
            value = (value << 1) | ((byte >> (7 - (i & 7))) & 1)
        return value

    def get(self, n: int) -> int:
        value = self.peek(n)
        self.pos += n
        return value


def _codes(lengths):
    """Canonical code -> symbol map for lengths that exactly fill the 16-bit code space."""
    count = [0] * 18
    for length in lengths:
        count[length] += 1
    count[0] = 0
    if sum(count[n] << (16 - n) for n in range(1, 17)) != 1 << 16:
        raise ValueError("code lengths do not fill the code space")
    start = [0] * 18
    for n in range(1, 17):
        start[n + 1] = (start[n] + count[n]) << 1
    table = {}
    for symbol, length in enumerate(lengths):
        if length:
            table[(length, start[length])] = symbol
            start[length] += 1
    return table


class _Table:
    def __init__(self, lengths=None, single=None):
        self.single = single
        self.table = _codes(lengths) if lengths is not None else None

    def decode(self, bits: _Bits) -> int:
        if self.single is not None:
            return self.single
        code = 0
        for length in range(1, 17):
            code = (code << 1) | bits.get(1)
            if (length, code) in self.table:
                return self.table[(length, code)]
        raise ValueError("no code matches")


def _small_table(bits, size, count_bits, special, stats, name):
    count = bits.get(count_bits)
    if count == 0:
        stats.setdefault("single", set()).add(name)
        return _Table(single=bits.get(count_bits))
    if count > size:
        raise ValueError("table count too large")
    lengths = []
    while len(lengths) < count:
        length = bits.peek(3)
        if length == 7:
            mask = 1 << 12
            while bits.peek(16) & mask:
                mask >>= 1
                length += 1
        bits.get(3 if length < 7 else length - 3)
        lengths.append(length)
        if len(lengths) == special:
            lengths += [0] * bits.get(2)
    return _Table(lengths + [0] * (size - len(lengths)))


def decode(data: bytes, size: int):
    """Returns (expanded bytes, statistics) of a raw lh5 bit stream."""
    bits = _Bits(data)
    out = bytearray()
    stats = {"blocks": 0, "single": set(), "zero_runs": set(), "max_distance": 0, "max_length": 0,
             "block_symbols": []}
    while len(out) < size:
        symbols = bits.get(16)
        stats["blocks"] += 1
        stats["block_symbols"].append(symbols)
        code_lengths = _small_table(bits, 19, 5, 3, stats, "code-length")
        count = bits.get(9)
        if count == 0:
            stats["single"].add("literal/length")
            literal = _Table(single=bits.get(9))
        else:
            lengths = []
            while len(lengths) < count:
                c = code_lengths.decode(bits)
                if c <= 2:
                    run = 1 if c == 0 else 3 + bits.get(4) if c == 1 else 20 + bits.get(9)
                    stats["zero_runs"].add(c)
                    lengths += [0] * run
                else:
                    lengths.append(c - 2)
            if len(lengths) > 510:
                raise ValueError("zero run past the alphabet")
            literal = _Table(lengths + [0] * (510 - len(lengths)))
        position = _small_table(bits, 14, 4, -1, stats, "position")
        for _ in range(symbols):
            if len(out) >= size:
                break
            c = literal.decode(bits)
            if c < 256:
                out.append(c)
                continue
            length = c - 253
            p = position.decode(bits)
            distance = p if p <= 1 else (1 << (p - 1)) + bits.get(p - 1)
            stats["max_distance"] = max(stats["max_distance"], distance + 1)
            stats["max_length"] = max(stats["max_length"], length)
            for _ in range(length):
                out.append(out[len(out) - distance - 1] if len(out) > distance else 0)
    return bytes(out[:size]), stats
