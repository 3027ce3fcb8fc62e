# Writes operating_points.txt for OperatingPointTest.cpp: for each motor and each torque line, the
# construction's T, A-infinity and table redone from the typed inputs in 60-digit arithmetic, and the
# operating point at values spread over each quantity's reachable range and beyond it. Independent of
# the program's closed forms: the circle is walked by its angle, each maximum is a root of the
# derivative and each point a bracketed root of quantity - value.
# Run: python3 tests/core/golden/operating_points.py > tests/core/golden/operating_points.txt
# (Debian package python3-mpmath; the tests only read the file).
import random
from mpmath import mp, mpf, sqrt, cos, sin, pi, atan2, findroot, diff

mp.dps = 60
SEED = 20261221
RANDOM_MOTORS = 20
STEEP_TORQUE_MOTORS = 6  # motors whose maximum torque lies beyond slip 1 on the default line
SPEEDS = ['3000', '1500', '1000', '750', '600', '500', '428.5', '375', '333.333', '300']
PHASES = [1, 3]
DIGITS = 22


def num(text):
    return mpf(text.replace(',', '.'))


def text(v):
    return mp.nstr(v, DIGITS, strip_zeros=False)


class Motor:
    def __init__(self, typed, line):
        self.typed = typed
        self.kind = line
        i0, c0, ik, ck, uf, r1 = (num(t) for t in typed[:6])
        self.m = PHASES[typed[6]]
        self.ns = mpf(SPEEDS[typed[7]])
        self.uf = uf
        self.rf = uf / ik * ck
        self.r21 = self.rf - r1
        self.ao = (i0 * sqrt(1 - c0**2), i0 * c0)
        self.ak = (ik * sqrt(1 - ck**2), ik * ck)
        ao, ak = self.ao, self.ak
        if line == 'axis':
            self.t = (ak[0], r1 / self.rf * ak[1])
        else:
            self.t = (ak[0], ao[1] + (ak[1] - ao[1]) * r1 / self.rf)
        # The centre on the horizontal through Ao, equidistant from Ao and Ak.
        self.sx = (ak[0]**2 - ao[0]**2 + (ak[1] - ao[1])**2) / (2 * (ak[0] - ao[0]))
        self.r = self.sx - ao[0]
        self.ainf = self.second(self.t)
        self.p = (ao[0], ak[1] - self.t[1] + ao[1])
        self.km = self.m * uf / self.ns * mpf('9.55')
        self.ws = pi * self.ns / 30
        self.mu = self.m * uf
        self.thk = self.angle(ak)

    def accepted(self):
        i0, c0, ik, ck, uf, r1 = (num(t) for t in self.typed[:6])
        margin = mpf('1e-9')
        return (1 <= i0 <= 1000 and mpf('0.01') <= c0 <= mpf('0.99') and 1 <= ik <= 1000 and i0 < ik and
                mpf('0.01') <= ck <= mpf('0.99') and c0 < ck and 10 <= uf <= 1000 and mpf('0.05') <= r1 <= 100 and
                self.r21 > margin * self.rf and self.ak[0] - self.ao[0] > mpf('0.01') * self.ao[0] * (1 + margin))

    def second(self, through):
        # The circle's second point on the line from Ao through `through`.
        d = (through[0] - self.ao[0], through[1] - self.ao[1])
        t = 2 * self.r * d[0] / (d[0]**2 + d[1]**2)
        return (self.ao[0] + t * d[0], self.ao[1] + t * d[1])

    def at_slip(self, s):
        if s == 0:
            return self.ao
        q = self.ak
        return self.second((self.p[0] + s * (q[0] - self.p[0]), self.p[1] + s * (q[1] - self.p[1])))

    def angle(self, x):
        return atan2(x[1] - self.ao[1], self.sx - x[0])

    def on_circle(self, th):
        return (self.sx - self.r * cos(th), self.ao[1] + self.r * sin(th))

    def line(self, b, x):
        a = self.ao
        return a[1] + (b[1] - a[1]) / (b[0] - a[0]) * (x - a[0])

    def slip(self, x):
        ao, p, q = self.ao, self.p, self.ak
        e = (x[0] - ao[0], x[1] - ao[1])
        f = (q[0] - p[0], q[1] - p[1])
        g = (p[0] - ao[0], p[1] - ao[1])
        return (g[0] * e[1] - g[1] * e[0]) / (e[0] * f[1] - e[1] * f[0])

    def quantity(self, name, x):
        if name == 'P2':
            return self.mu * (x[1] - self.line(self.ak, x[0]))
        if name == 'M':
            return self.km * (x[1] - self.line(self.t, x[0]))
        if name == 'I':
            return sqrt(x[0]**2 + x[1]**2)
        return self.mu * x[1]  # P1

    def values(self, x, s):
        power = self.line(self.ak, x[0])
        torque = self.line(self.t, x[0])
        i = sqrt(x[0]**2 + x[1]**2)
        p1 = self.mu * x[1]
        p2 = self.mu * (x[1] - power)
        return [x[0], x[1], s, (1 - s) * self.ns, i, x[1] / i, p1, p2, p2 / p1, self.km * (x[1] - torque),
                (1 - s) * self.ws, self.mu * (x[1] - torque), self.mu * (power - torque),
                self.mu * (torque - self.ao[1]), self.mu * self.ao[1]]

    # The largest value on the arc Ao-Ak: a root of the derivative, or Ak where it still rises.
    def crest(self, name):
        f = lambda th: self.quantity(name, self.on_circle(th))
        n = 400
        grid = [self.thk * k / n for k in range(n + 1)]
        best = max(range(n + 1), key=lambda k: f(grid[k]))
        if best == n:
            return self.thk, False
        return findroot(lambda th: diff(f, th), grid[best]), True

    def solve(self, name, v):
        f = lambda th: self.quantity(name, self.on_circle(th)) - v
        top, _ = self.crest(name)
        th = findroot(f, (mpf(0), top), solver='illinois', tol=mpf(10)**(-55))
        return self.on_circle(th)


def motor_line(m):
    return 'motor\t' + '\t'.join(m.typed[:6]) + f'\t{m.typed[6]}\t{m.typed[7]}\t{m.kind}'


def write(m, out):
    out.append(motor_line(m))
    # T.y, A-infinity and the slip line's start P.y, then each table row: KruzniceX, KruzniceY, MomentSkluzu.
    out.append('\t'.join(['points', text(m.t[1]), text(m.ainf[0]), text(m.ainf[1]), text(m.p[1])]))
    for i in range(1, 21):
        x = m.at_slip(mpf(i) / 20)
        out.append('\t'.join(['row', str(i), text(x[0]), text(x[1]), text(m.km * (x[1] - m.line(m.t, x[0])))]))

    def solved(name, v, lo, hi, x, s):
        row = f'solve\t{name}\t{v}\t{text(lo)}\t{text(hi)}\t'
        if x is None:
            return row + 'none'
        return row + '\t'.join(text(e) for e in m.values(x, s))

    for name in ('P2', 'M', 'I', 'P1'):
        top, interior = m.crest(name)
        lo = m.quantity(name, m.ao)
        hi = m.quantity(name, m.on_circle(top)) if interior else m.quantity(name, m.ak)
        span = hi - lo
        # A value at an inner crest fixes the point only to the square root of rounding: left out.
        fractions = ['0', '0.3', '0.7', '0.99'] + ([] if interior else ['1'])
        for f in fractions:
            v = mp.nstr(lo + mpf(f) * span, 25)
            # The least value is Ao's (the printed value rounds it): the point is Ao, at slip 0.
            x = m.ao if f == '0' else m.solve(name, mpf(v))
            out.append(solved(name, v, lo, hi, x, m.slip(x) if f != '0' else mpf(0)))
        for v in (hi + span / 100 + 1, lo - span / 100 - 1):
            out.append(solved(name, mp.nstr(v, 25), lo, hi, None, None))
    for s in ('0', '0.04', '0.5', '1', '1.5', '-0.1'):
        x = m.at_slip(mpf(s)) if 0 <= mpf(s) <= 1 else None
        out.append(solved('s', s, 0, 1, x, mpf(s)))
    for n in ('0', mp.nstr(m.ns * mpf('0.97'), 25), mp.nstr(m.ns, 25), mp.nstr(m.ns + 1, 25)):
        s = 1 - mpf(n) / m.ns
        x = m.at_slip(s) if 0 <= s <= 1 else None
        out.append(solved('n', n, 0, m.ns, x, s))


def random_motor(rnd):
    i0 = rnd.randint(1000, 300000)
    c0 = rnd.randint(1, 60)
    ik = rnd.randint(i0 // 1000 + 1, 1000)
    ck = rnd.randint(c0 + 1, 99)
    uf = rnd.randint(10, 1000)
    r1 = rnd.randint(50, 5000)
    return [f'{i0 // 1000},{i0 % 1000:03d}', f'0,{c0:02d}', str(ik), f'0,{ck:02d}', str(uf),
            f'{r1 // 1000},{r1 % 1000:03d}', rnd.randint(0, 1), rnd.randint(0, 9)]


def main():
    fixed = [
        ['15', '0,11', '177', '0,41', '220', '0,25', 1, 3],  # the input dialog's defaults
        ['100', '0,3', '177', '0,41', '220', '0,05', 1, 3],  # T below Ao on the default line
        ['1', '0,01', '1000', '0,99', '220', '0,1', 1, 3],   # a large circle
    ]
    rnd = random.Random(SEED)
    motors, steep = [], []
    while len(motors) < RANDOM_MOTORS or len(steep) < STEEP_TORQUE_MOTORS:
        typed = random_motor(rnd)
        m = Motor(typed, 'axis')
        if not m.accepted():
            continue
        beyond = not m.crest('M')[1]
        if len(motors) < RANDOM_MOTORS and not beyond:
            motors.append(typed)
        elif beyond and len(steep) < STEEP_TORQUE_MOTORS:
            steep.append(typed)
    out = ['# Written by operating_points.py; see its first lines.']
    for typed in fixed + motors + steep:
        for line in ('axis', 'no-load'):
            write(Motor(typed, line), out)
    print('\n'.join(out))


main()
