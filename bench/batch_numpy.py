"""The batch's computation written the way an engineer would write it in NumPy, fully vectorised: the
peer of `orbitek-calc --batch` for bench/batch.sh. It reads a batch file of the first form (header
line, then i0 cos0 ik cosk uf r1 phases poles separated by TAB, '.' as the decimal point), checks
every motor as acceptance does, constructs the circle, A-infinity and the slip line, the starting
torque (row 20) and the closed-form maxima in double precision, and writes one row per motor as the
batch does: the line number, the inputs as typed, the status text ("OK" or acceptance's message),
and the 14 results, with no loop over motors or cells in Python.

--format text and csv write the batch's cells: the results as grouped texts with four decimals
("1,234.5678"; quoted in CSV where they hold the separator), empty for a motor not accepted: a
row has as many bytes as the batch's (a last digit may differ, double against long double). --format json writes the batch's keys, the inputs as strings and
the results as numbers with 17 significant digits (the double's own precision; the batch writes
the long double's 21), null for none: the JSON peer with 17 digits.

The file is read in one piece and the rows written in blocks of 16,384 motors, each block built
as a matrix of bytes and written with one call.

Usage: /usr/bin/python3 bench/batch_numpy.py FILE [--format text|csv|json] > OUTPUT
"""
import sys

import numpy as np

HEADER = b"i0\tcos0\tik\tcosk\tuf\tr1\tphases\tpoles"
COLUMNS = ["line", "i0", "cos0", "ik", "cosk", "uf", "r1", "phases", "poles", "status", "Ao.x", "Ao.y",
           "Ak.x", "Ak.y", "S.x", "R", "AInf.x", "AInf.y", "MaxTorque", "MaxTorqueSlip", "StartingTorque",
           "MaxOutput", "MaxPowerFactor", "MaxEfficiency"]
INPUTS = 8
# The synchronous speed by pole count, as the record stores it.
SPEED = np.zeros(21)
for poles, speed in {2: 3000.0, 4: 1500.0, 6: 1000.0, 8: 750.0, 10: 600.0, 12: 500.0, 14: 428.5, 16: 375.0,
                     18: 333.333, 20: 300.0}.items():
    SPEED[poles] = speed
# Acceptance's messages by the number of the first failed check; 0 is accepted.
STATUS = ["OK", "Chybné zadání proudu naprázdno.", "Chybné zadání účiníku naprázdno.",
          "Chybné zadání proudu nakrátko.", "Chybné zadání účiníku nakrátko.", "Chybné zadání fázového napětí.",
          "R1f ? R21f ? Rf ?", "Bod nakrátko Ak musí ležet zřetelně vpravo od bodu naprázdno Ao."]
BLOCK = 16384


def status_codes(i0, cos0, ik, cosk, uf, r1, ao_x, ak_x):
    """The first failed check of each motor (0 for none), in acceptance's order."""
    rf = uf / ik * cosk
    checks = [
        (i0 >= 1) & (i0 <= 1000),
        (cos0 >= 0.01) & (cos0 <= 0.99),
        (ik >= 1) & (ik <= 1000) & (i0 < ik),
        (cosk >= 0.01) & (cosk <= 0.99) & (cos0 < cosk),
        (uf >= 10) & (uf <= 1000),
        (r1 >= 0.05) & (r1 <= 100) & (rf - r1 > 0),
        ak_x - ao_x > 0.01 * ao_x,
    ]
    code = np.zeros(i0.shape, dtype=np.int64)
    for number in range(len(checks), 0, -1):  # the first failure wins
        code[~checks[number - 1]] = number
    return code


def second_intersection(x1, y1, x2, y2, xs, ys, r):
    """The abscissa of the intersection other than (x1, y1) of the line through the two points with
    the circle, as the construction finds it."""
    k = (y2 - y1) / (x2 - x1)
    q = (-x1 * y2 + y1 * x2) / (x2 - x1)
    a = k * k + 1
    b = -2 * xs + 2 * k * q - 2 * k * ys
    c = xs * xs + ys * ys - r * r - 2 * q * ys + q * q
    root = np.sqrt(np.maximum(b * b - 4 * a * c, 0))
    xa = (-b + root) / (2 * a)
    xb = (-b - root) / (2 * a)
    da, db = np.abs(xa - x1), np.abs(xb - x1)
    return np.where(da / x1 * 100 > 1, xa, np.where(db / x1 * 100 > 1, xb, np.where(da >= db, xa, xb)))


def above(x, y, ao_x, ao_y, slope, scale):
    return scale * ((y - ao_y) - slope * (x - ao_x))


def slip_at(x, y, ao_x, ao_y, p_x, p_y, d_x, d_y):
    """Where the line from Ao through (x, y) meets the slip line P + s (Q - P)."""
    e_x, e_y = x - ao_x, y - ao_y
    g_x, g_y = p_x - ao_x, p_y - ao_y
    den = e_x * d_y - e_y * d_x
    return (g_x * e_y - g_y * e_x) / np.where(den == 0, np.nan, den)


def tangent_points(c_x, c_y, r, pole_x, pole_y):
    w_x, w_y = pole_x - c_x, pole_y - c_y
    d2 = w_x * w_x + w_y * w_y
    r2 = r * r
    f_x, f_y = c_x + r2 / d2 * w_x, c_y + r2 / d2 * w_y
    half = r * np.sqrt(np.maximum(d2 - r2, 0)) / d2
    return (f_x - w_y * half, f_y + w_x * half), (f_x + w_y * half, f_y - w_x * half)


def compute(m):
    """The status code and the 14 results of each motor, NaN where there is none."""
    i0, cos0, ik, cosk, uf, r1, phases, poles = (m[:, j] for j in range(INPUTS))
    speed = SPEED[np.clip(poles, 0, 20).astype(np.int64)]
    with np.errstate(all="ignore"):
        ao_x, ao_y = i0 * np.sin(np.arccos(cos0)), i0 * cos0
        ak_x, ak_y = ik * np.sin(np.arccos(cosk)), ik * cosk
        code = status_codes(i0, cos0, ik, cosk, uf, r1, ao_x, ak_x)
        rf = uf / ik * cosk
        r21 = rf - r1
        dx, dy = np.abs(ao_x - ak_x), np.abs(ao_y - ak_y)
        length = np.sqrt(dx * dx + dy * dy)
        t_x, t_y = ak_x, r1 / (r1 + r21) * ak_y
        m_x, m_y = dx * 0.5 + ao_x, dy * 0.5 + ao_y
        s_x = (m_y - ao_y) ** 2 / (m_x - ao_x) + m_x
        radius = np.sqrt((ao_y - m_y) ** 2 + (s_x - m_x) ** 2 + (length * 0.5) ** 2)
        inf_x = second_intersection(ao_x, ao_y, t_x, t_y, s_x, ao_y, radius)
        inf_y = (t_y - ao_y) / (t_x - ao_x) * (inf_x - ao_x) + ao_y
        p_x, p_y = ao_x, ak_y - t_y + ao_y
        d_x, d_y = ak_x - p_x, ak_y - p_y
        k_m = phases * uf / speed * 9.55
        # Row 20: the division point is Ak; the operating point where Ao-Ak meets the circle again.
        k20_x = second_intersection(ao_x, ao_y, ak_x, ak_y, s_x, ao_y, radius)
        k20_y = (ak_y - ao_y) / (ak_x - ao_x) * (k20_x - ao_x) + ao_y
        torque_slope = (inf_y - ao_y) / (inf_x - ao_x)
        power_slope = (ak_y - ao_y) / (ak_x - ao_x)
        starting = above(k20_x, k20_y, ao_x, ao_y, torque_slope, k_m)
        power_scale = phases * uf

        def farthest_above(dir_x, dir_y):
            n = np.sqrt(dir_x * dir_x + dir_y * dir_y)
            sign = np.where(dir_x > 0, 1.0, -1.0)
            return s_x - sign * dir_y / n * radius, ao_y + sign * dir_x / n * radius

        mt_x, mt_y = farthest_above(inf_x - ao_x, inf_y - ao_y)
        max_torque = above(mt_x, mt_y, ao_x, ao_y, torque_slope, k_m)
        max_torque_slip = slip_at(mt_x, mt_y, ao_x, ao_y, p_x, p_y, d_x, d_y)
        mo_x, mo_y = farthest_above(ak_x - ao_x, ak_y - ao_y)
        max_output = above(mo_x, mo_y, ao_x, ao_y, power_slope, power_scale)

        # Power factor: the tangent from the origin, else the better end of the motoring arc.
        (a_x, a_y), (b_x, b_y) = tangent_points(s_x, ao_y, radius, 0.0, 0.0)
        first = a_y * np.hypot(b_x, b_y) >= b_y * np.hypot(a_x, a_y)
        pf_x, pf_y = np.where(first, a_x, b_x), np.where(first, a_y, b_y)
        pf_slip = slip_at(pf_x, pf_y, ao_x, ao_y, p_x, p_y, d_x, d_y)
        on_arc = (pf_slip >= 0) & (pf_slip <= 1)
        ends = np.maximum(ao_y / i0, k20_y / np.hypot(k20_x, k20_y))
        max_pf = np.where(on_arc, pf_y / np.hypot(pf_x, pf_y), ends)

        # Efficiency: the tangent from the power line's foot on the x axis, above the power line.
        pole_x = ao_x - ao_y * (ak_x - ao_x) / (ak_y - ao_y)
        (a_x, a_y), (b_x, b_y) = tangent_points(s_x, ao_y, radius, pole_x, 0.0)
        a_above = above(a_x, a_y, ao_x, ao_y, power_slope, 1.0)
        b_above = above(b_x, b_y, ao_x, ao_y, power_slope, 1.0)
        use_b = b_above > a_above
        e_x, e_y = np.where(use_b, b_x, a_x), np.where(use_b, b_y, a_y)
        efficiency = above(e_x, e_y, ao_x, ao_y, power_slope, power_scale) / (power_scale * e_y)
        efficiency = np.where(np.maximum(a_above, b_above) > 0, efficiency, np.nan)

    results = np.column_stack([ao_x, ao_y, ak_x, ak_y, s_x, radius, inf_x, inf_y, max_torque,
                               max_torque_slip, starting, max_output, max_pf, efficiency])
    results[code != 0] = np.nan
    return code, results


# ---- Cells as matrices of bytes: one row per motor, the cell right-aligned in a fixed width, and
# a mask of the bytes that belong to it; the masks select each row's bytes in order. ----

def digit_matrix(n, count):
    """The last `count` decimal digits of each non-negative int64 in n, units last, as ASCII."""
    out = np.empty((len(n), count), np.uint8)
    rest = n.copy()
    for place in range(count - 1, -1, -1):
        rest, digit = np.divmod(rest, 10)
        out[:, place] = digit
    out += ord("0")
    return out


def digit_count(n):
    """How many digits each non-negative int64 has, at least 1."""
    return np.searchsorted(10 ** np.arange(1, 19, dtype=np.int64), n, side="right") + 1


def right_aligned(width, length):
    """The mask of the last `length` bytes in rows of `width`."""
    return np.arange(width)[None, :] >= (width - length)[:, None]


def integer_cells(n):
    """Plain integers (the line numbers)."""
    width = 12
    return digit_matrix(n, width), right_aligned(width, digit_count(n))


WHOLE_DIGITS = 9  # the whole part of a result, below 10^9 in every motor of the benchmark
GROUPED_WIDTH = 1 + 1 + WHOLE_DIGITS + (WHOLE_DIGITS - 1) // 3 + 5 + 1  # quotes, sign, digits, commas, decimals


def grouped_cells(v, quote_separator):
    """Grouped texts with four decimals ("-1,234.5678"), empty for NaN; with `quote_separator`, a
    text holding a ',' is quoted as CSV quotes it. Right-aligned, so every column but the sign's and
    the opening quote's holds the same digit or mark in every row: a copy of one column each."""
    finite = np.isfinite(v)
    scaled = np.round(np.abs(np.where(finite, v, 0)) * 10000).astype(np.int64)
    scaled = np.minimum(scaled, 10 ** (WHOLE_DIGITS + 4) - 1)
    digits = digit_matrix(scaled, WHOLE_DIGITS + 4)
    count = np.minimum(digit_count(scaled // 10000), WHOLE_DIGITS)
    rows = len(v)
    cells = np.empty((rows, GROUPED_WIDTH), np.uint8)
    cells[:, -1] = ord('"')
    column = GROUPED_WIDTH - 2
    for place in range(4):  # the decimals, from the right
        cells[:, column] = digits[:, -1 - place]
        column -= 1
    cells[:, column] = ord(".")
    column -= 1
    for place in range(WHOLE_DIGITS):
        if place > 0 and place % 3 == 0:
            cells[:, column] = ord(",")
            column -= 1
        cells[:, column] = digits[:, WHOLE_DIGITS - 1 - place]
        column -= 1
    length = 5 + count + (count - 1) // 3  # without sign and quotes
    negative = finite & (v < 0) & (scaled != 0)
    quoted = quote_separator & (count > 3)
    first = GROUPED_WIDTH - 1 - length  # the column of the first byte, before the sign and quote
    if negative.any():
        where = np.flatnonzero(negative)
        cells[where, first[where] - 1] = ord("-")
    first = first - negative
    if quoted.any():
        where = np.flatnonzero(quoted)
        cells[where, first[where] - 1] = ord('"')
    first = first - quoted
    columns = np.arange(GROUPED_WIDTH)[None, :]
    mask = (columns >= first[:, None]) & ((columns < GROUPED_WIDTH - 1) | quoted[:, None]) & finite[:, None]
    return cells, mask


SIGNIFICANT = 17
LOWEST, HIGHEST = -9, 15  # the exponents written in plain notation


def significant_templates():
    """For each exponent from LOWEST to HIGHEST and sign, and for null, the source index of every
    byte: the source is 17 digits, then '.', '-', '0' and "null"."""
    point, minus, zero, null = SIGNIFICANT, SIGNIFICANT + 1, SIGNIFICANT + 2, SIGNIFICANT + 3
    exponents = HIGHEST - LOWEST + 1
    width = SIGNIFICANT + 3 - LOWEST
    index = np.zeros((exponents * 2 + 1, width), np.intp)
    mask = np.zeros((exponents * 2 + 1, width), bool)
    for e in range(LOWEST, HIGHEST + 1):
        for negative in (0, 1):
            text = [minus] if negative else []
            digits = list(range(SIGNIFICANT))
            if e >= 0:
                text += digits[:e + 1] + [point] + digits[e + 1:]
            else:
                text += [zero, point] + [zero] * (-e - 1) + digits
            kind = (e - LOWEST) * 2 + negative
            index[kind, :len(text)] = text
            mask[kind, :len(text)] = True
    index[-1, :4] = range(null, null + 4)
    mask[-1, :4] = True
    return index, mask


SIGNIFICANT_INDEX, SIGNIFICANT_MASK = significant_templates()
SIGNIFICANT_TAIL = np.frombuffer(b".-0null", np.uint8)


def significant_cells(v):
    """Numbers with 17 significant digits in plain notation ("82.120770316452816",
    "0.18287337746380045"), null for NaN."""
    finite = np.isfinite(v)
    magnitude = np.abs(np.where(finite & (v != 0), v, 1.0))
    exponent = np.floor(np.log10(magnitude)).astype(np.int64)
    mantissa = np.round(magnitude * 10.0 ** (SIGNIFICANT - 1 - exponent)).astype(np.int64)
    carry = mantissa >= 10 ** SIGNIFICANT
    exponent += carry
    mantissa = np.where(carry, mantissa // 10, mantissa)
    zero = v == 0
    mantissa[zero] = 0
    exponent[zero] = 0
    kind = (np.clip(exponent, LOWEST, HIGHEST) - LOWEST) * 2 + (finite & (v < 0))
    kind[~finite] = len(SIGNIFICANT_INDEX) - 1
    rows = len(v)
    source = np.empty((rows, SIGNIFICANT + len(SIGNIFICANT_TAIL)), np.uint8)
    source[:, :SIGNIFICANT] = digit_matrix(mantissa, SIGNIFICANT)
    source[:, SIGNIFICANT:] = SIGNIFICANT_TAIL
    return np.take_along_axis(source, SIGNIFICANT_INDEX[kind], axis=1), SIGNIFICANT_MASK[kind]


def constant(text, rows):
    data = np.frombuffer(text.encode(), np.uint8)
    return np.tile(data, (rows, 1)), np.ones((rows, len(data)), dtype=bool)


def table_cells(texts, code):
    """One of a few texts per row, chosen by `code`."""
    encoded = [t.encode() for t in texts]
    width = max(len(t) for t in encoded)
    table = np.zeros((len(encoded), width), np.uint8)
    for i, t in enumerate(encoded):
        table[i, :len(t)] = np.frombuffer(t, np.uint8)
    lengths = np.array([len(t) for t in encoded])
    return table[code], np.arange(width)[None, :] < lengths[code][:, None]


def field_cells(data, starts, ends, width):
    """The bytes data[start:end] of every row, left-aligned."""
    index = starts[:, None] + np.arange(width)[None, :]
    mask = index < ends[:, None]
    return data[np.minimum(index, len(data) - 1)], mask


def write_rows(out, pieces):
    cells = np.concatenate([c for c, _ in pieces], axis=1)
    mask = np.concatenate([m for _, m in pieces], axis=1)
    out.write(cells[mask].tobytes())


def main():
    args = sys.argv[1:]
    output_format = "text"
    if "--format" in args:
        i = args.index("--format")
        output_format = args[i + 1]
        del args[i:i + 2]
    with open(args[0], "rb") as f:
        raw = f.read()
    first = raw.find(b"\n")
    if raw[:first].rstrip(b"\r") != HEADER:
        sys.exit("the first line must be the batch header")
    body = raw[first + 1:]
    data = np.frombuffer(body, dtype=np.uint8)
    # Every number at once: TABs and line ends are white space to the parser.
    m = np.fromstring(body, dtype=np.float64, sep=" ").reshape(-1, INPUTS)
    rows = len(m)
    line_ends = np.flatnonzero(data == ord("\n"))
    if len(line_ends) < rows:
        line_ends = np.append(line_ends, len(data))
    line_starts = np.concatenate([[0], line_ends[:-1] + 1])
    tabs = np.flatnonzero(data == ord("\t")).reshape(rows, INPUTS - 1)
    field_starts = np.concatenate([line_starts[:, None], tabs + 1], axis=1)
    field_ends = np.concatenate([tabs, line_ends[:, None]], axis=1)
    code, results = compute(m)
    typed = data if output_format != "csv" else np.where(data == ord("\t"), ord(","), data).astype(np.uint8)
    out = sys.stdout.buffer

    if output_format == "json":
        out.write(("{\"columns\": [" + ", ".join("\"%s\"" % c for c in COLUMNS) + "]}\n").encode())
    else:
        separator = "," if output_format == "csv" else "\t"
        out.write((separator.join(COLUMNS) + ("\r\n" if output_format == "csv" else "\n")).encode())
    end = {"csv": "\r\n", "text": "\n", "json": "}\n"}[output_format]
    for start in range(0, rows, BLOCK):
        stop = min(start + BLOCK, rows)
        n = stop - start
        block_code = code[start:stop]
        pieces = []
        if output_format == "json":
            pieces.append(constant("{\"line\": ", n))
        pieces.append(integer_cells(np.arange(start + 2, stop + 2, dtype=np.int64)))
        if output_format == "json":
            for j in range(INPUTS):
                pieces.append(constant(", \"%s\": \"" % COLUMNS[j + 1], n))
                pieces.append(field_cells(data, field_starts[start:stop, j], field_ends[start:stop, j], 16))
                pieces.append(constant("\"", n))
        else:  # the line as typed, its TABs the separators
            pieces.append(constant(separator, n))
            pieces.append(field_cells(typed, line_starts[start:stop], line_ends[start:stop], 64))
        if output_format == "json":
            pieces.append(constant(", \"status\": \"", n))
            pieces.append(table_cells(STATUS, block_code))
            pieces.append(constant("\"", n))
        else:
            pieces.append(constant(separator, n))
            pieces.append(table_cells(STATUS, block_code))
        for j in range(results.shape[1]):
            if output_format == "json":
                pieces.append(constant(", \"%s\": " % COLUMNS[10 + j], n))
                pieces.append(significant_cells(results[start:stop, j]))
            else:
                pieces.append(constant(separator, n))
                pieces.append(grouped_cells(results[start:stop, j], output_format == "csv"))
        pieces.append(constant(end, n))
        write_rows(out, pieces)
    rejected = int(np.count_nonzero(code))
    if rejected:
        sys.stderr.write("rejected %d of %d motors\n" % (rejected, rows))


if __name__ == "__main__":
    main()
