"""The batch's computation written the way an engineer would write it in NumPy: the comparison for
bench/batch.sh. Reads a batch file (header line, then i0 cos0 ik cosk uf r1 phases poles separated by
TAB, '.' as the decimal point), checks every motor as acceptance does, constructs the circle, A-infinity
and the slip line, the starting torque (row 20) and the closed-form maxima, all vectorised over the
whole file in double precision, and writes one row per motor with '%.4f' numbers with np.savetxt, in
blocks of 65,536 rows (the status as the number of the failed check, 0 for accepted).

Usage: /usr/bin/python3 bench/batch_numpy.py FILE > OUTPUT
"""
import sys

import numpy as np

SPEED = {2: 3000.0, 4: 1500.0, 6: 1000.0, 8: 750.0, 10: 600.0, 12: 500.0, 14: 428.5, 16: 375.0,
         18: 333.333, 20: 300.0}
BLOCK = 65536


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
    code = np.zeros(i0.shape, dtype=np.int8)
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
    i0, cos0, ik, cosk, uf, r1, phases, poles = (m[:, j] for j in range(8))
    speed = np.vectorize(SPEED.get, otypes=[float])(poles)
    ao_x, ao_y = i0 * np.sin(np.arccos(cos0)), i0 * cos0
    ak_x, ak_y = ik * np.sin(np.arccos(cosk)), ik * cosk
    code = status_codes(i0, cos0, ik, cosk, uf, r1, ao_x, ak_x)
    with np.errstate(all="ignore"):
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
    return code, results


def main():
    path = sys.argv[1]
    with open(path, "rb") as f:
        header = f.readline().rstrip(b"\r\n")
    if header != b"i0\tcos0\tik\tcosk\tuf\tr1\tphases\tpoles":
        sys.exit("the first line must be the batch header")
    m = np.loadtxt(path, delimiter="\t", skiprows=1, ndmin=2)
    code, results = compute(m)
    out = sys.stdout.buffer
    out.write(b"line\ti0\tcos0\tik\tcosk\tuf\tr1\tphases\tpoles\tstatus\tAo.x\tAo.y\tAk.x\tAk.y\tS.x\tR\t"
              b"AInf.x\tAInf.y\tMaxTorque\tMaxTorqueSlip\tStartingTorque\tMaxOutput\tMaxPowerFactor\t"
              b"MaxEfficiency\n")
    # The line number, the inputs, the status (0 for accepted, else the number of the failed check)
    # and the results, NaN for a motor not accepted.
    results[code != 0] = np.nan
    table = np.column_stack([np.arange(2, len(m) + 2), m, code, results])
    fmt = ["%d", "%.3f", "%.2f", "%d", "%.2f", "%d", "%.4f", "%d", "%d", "%d"] + ["%.4f"] * results.shape[1]
    for start in range(0, len(m), BLOCK):
        np.savetxt(out, table[start:start + BLOCK], fmt=fmt, delimiter="\t")
    rejected = int(np.count_nonzero(code))
    if rejected:
        sys.stderr.write("rejected %d of %d motors\n" % (rejected, len(m)))


if __name__ == "__main__":
    main()
