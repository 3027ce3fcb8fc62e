# The default motor's characteristic values for CharacteristicTest.cpp, found independently of the
# closed forms (normals and tangents) the program uses: the construction redone from the typed inputs
# in 50-digit arithmetic, each maximum a root of the derivative over the circle's angle.
# Run: python3 tests/core/golden/characteristic_defaults.py (Debian package python3-mpmath).
from mpmath import mp, mpf, sqrt, cos, sin, pi, findroot, diff, atan2
mp.dps = 50
I0, c0, Ik, ck, Uf, R1, m, ns = mpf(15), mpf('0.11'), mpf(177), mpf('0.41'), mpf(220), mpf('0.25'), 3, mpf(750)
Rf = Uf / Ik * ck
Ao = (I0 * sqrt(1 - c0**2), I0 * c0)
Ak = (Ik * sqrt(1 - ck**2), Ik * ck)
T = (Ak[0], R1 / Rf * Ak[1])
# Centre on the horizontal through Ao, equidistant from Ao and Ak.
Sx = (Ak[0]**2 + (Ak[1] - Ao[1])**2 - Ao[0]**2) / (2 * (Ak[0] - Ao[0]))
R = Sx - Ao[0]
P = (Ao[0], Ak[1] - T[1] + Ao[1])
Q = Ak
kM = m * Uf / ns * mpf('9.55')
ws = pi * ns / 30

def X(th): return (Sx + R * cos(th), Ao[1] + R * sin(th))
def line(a, b, x): return a[1] + (b[1] - a[1]) / (b[0] - a[0]) * (x - a[0])
def slip(p):
    # Ao + u (p - Ao) = P + s (Q - P)
    ex, ey = p[0] - Ao[0], p[1] - Ao[1]
    fx, fy = Q[0] - P[0], Q[1] - P[1]
    gx, gy = P[0] - Ao[0], P[1] - Ao[1]
    return (gx * ey - gy * ex) / (ex * fy - ey * fx)
def torque(th): p = X(th); return (p[1] - line(Ao, T, p[0])) * kM
def output(th): p = X(th); return m * Uf * (p[1] - line(Ao, Ak, p[0]))
def inp(th): p = X(th); return m * Uf * p[1]
def pf(th): p = X(th); return p[1] / sqrt(p[0]**2 + p[1]**2)
def eff(th): return output(th) / inp(th)
def argmax(f, lo, hi):
    n = 2000
    best = max((lo + (hi - lo) * k / n for k in range(1, n)), key=f)
    return findroot(lambda t: diff(f, t), best)
thAo = pi
thAk = atan2(Ak[1] - Ao[1], Ak[0] - Sx)
def show(name, th, value):
    p = X(th)
    print(f"{name:16s} value {mp.nstr(value, 15):>22s} slip {mp.nstr(slip(p), 15):>20s} x {mp.nstr(p[0], 15):>20s} y {mp.nstr(p[1], 15):>20s}")
th = argmax(torque, -pi / 2, pi); show("max torque", th, torque(th)); Mmax = torque(th)
print("  omega", mp.nstr((1 - slip(X(th))) * ws, 15))
Mz = torque(thAk); print("starting torque", mp.nstr(Mz, 15), "ratio", mp.nstr(Mmax / Mz, 15))
th = argmax(output, thAk, pi); show("max output", th, output(th))
th = argmax(eff, thAk, pi); show("max efficiency", th, eff(th)); print("  output", mp.nstr(output(th), 15))
th = argmax(pf, thAk, pi); show("max power factor", th, pf(th)); p = X(th); print("  current", mp.nstr(sqrt(p[0]**2 + p[1]**2), 15))
th = argmax(inp, thAk, pi); show("max input", th, inp(th))
print("T' x", mp.nstr(Ao[0] - Ao[1] * (Ak[0] - Ao[0]) / (Ak[1] - Ao[1]), 15))
# Operating points at the table's slips: the circle point whose slip is s.
for i in (1, 20):
    s = mpf(i) / 20
    th = findroot(lambda t: slip(X(t)) - s, thAk + (pi - thAk) * (1 - s))
    p = X(th)
    I = sqrt(p[0]**2 + p[1]**2)
    print(f"row {i}: current {mp.nstr(I, 15)} pf {mp.nstr(p[1] / I, 15)} input {mp.nstr(inp(th), 15)} output {mp.nstr(output(th), 15)} eff {mp.nstr(eff(th), 15)} torque {mp.nstr(torque(th), 15)}")
