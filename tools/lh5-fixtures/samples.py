"""Deterministic inputs for the lh5 checks: schedule-like Windows-1251 text and the shapes
that reach distinct coder paths (runs, all byte values, long-distance repeats, noise)."""

import random

CHANNELS = ["Первый канал", "Россия 1", "НТВ", "Культура", "СТС", "ТНТ", "Пятый канал", "Звезда"]
WORDS = ["Новости", "Время", "Доброе утро", "Фильм", "Сериал", "Погода", "Спорт", "Вести",
         "Жить здорово!", "Поле чудес", "Мультфильмы", "Футбол", "Концерт", "Ночной фильм",
         "Часть", "Документальный", "Криминальная Россия", "Мир животных", "Кино", "Ералаш"]


def schedule_text(rng: random.Random, days: int = 7) -> bytes:
    """A weekly schedule text: the channel list, then one section per channel and day."""
    lines = ["[CANALS]"] + ["%d %s" % (i, name) for i, name in enumerate(CHANNELS)] + ["[CANALS_END]"]
    for day in range(days):
        for name in CHANNELS:
            lines.append("[%s%d]" % (name, day))
            minute = 6 * 60
            while minute < 26 * 60:
                title = " ".join(rng.choice(WORDS) for _ in range(rng.randint(1, 3)))
                if rng.random() < 0.3:
                    title += " %d-я серия" % rng.randint(1, 120)
                lines.append("%s%02d:%02d %s" % (chr(0x28 + rng.randint(0, 14)), minute // 60 % 24, minute % 60,
                                                 title))
                minute += rng.choice([5, 10, 15, 20, 30, 45, 60, 90, 120])
            lines.append("601:30 Конец вещания")
    lines.append("[END]")
    return ("\r\n".join(lines) + "\r\n").encode("cp1251")


def long_repeats(rng: random.Random, size: int) -> bytes:
    """Text whose repeats reach back close to 8192 bytes and across 8192-byte boundaries."""
    phrases = [("%s %d " % (rng.choice(WORDS), rng.randint(0, 9999))).encode("cp1251") for _ in range(64)]
    out = bytearray()
    while len(out) < size:
        if len(out) > 8300 and rng.random() < 0.5:
            back = rng.randint(7900, 8192)  # a repeat from almost a full window back
            start = len(out) - back
            out += out[start:start + rng.randint(3, 300)]
        else:
            out += rng.choice(phrases)
    return bytes(out[:size])


def all_byte_values(rounds: int, rng: random.Random) -> bytes:
    """Every byte value equally often, shuffled per round: a flat literal histogram gives
    all 256 literals the same code length, so the code-length table has a single symbol."""
    out = bytearray()
    for _ in range(rounds):
        values = list(range(256))
        rng.shuffle(values)
        out += bytes(values)
    return bytes(out)


def skewed_bytes(rng: random.Random) -> bytes:
    """Byte k with a frequency that grows like the Fibonacci numbers, shuffled: an
    unconstrained Huffman code would need more than 16 bits for the rare bytes."""
    counts = [1, 1]
    while len(counts) < 26:
        counts.append(counts[-1] + counts[-2])
    data = bytearray()
    for value, count in enumerate(counts):
        data += bytes([value * 7 % 256]) * count
    rng.shuffle(data)
    return bytes(data[:200000])


def encoder_inputs(rng: random.Random):
    """(name, bytes) pairs for checking our encoder against an independent decoder."""
    yield "empty", b""
    yield "one-byte", b"A"
    yield "three-bytes", b"abc"
    yield "all-byte-values", bytes(range(256))
    yield "flat-histogram", all_byte_values(40, rng)
    for size in (8191, 8192, 8193, 70000):
        yield "long-repeats-%d" % size, long_repeats(rng, size)
    yield "run-of-one-byte", b"\x20" * 100000
    yield "run-then-text", b"=" * 5000 + schedule_text(rng, days=1)[:20000]
    yield "random", bytes(rng.getrandbits(8) for _ in range(50000))
    yield "skewed-bytes", skewed_bytes(rng)
    yield "schedule-week", schedule_text(rng)
