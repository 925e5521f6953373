#!/usr/bin/env python3
"""Regenerates the constants that tests/kaleidoscope/snub_reference_test.cpp and
tests/jitterbug/jitterbug_reference_test.cpp hold the program against.

Snub stops: in the triangle of an axis of order p, the 2-fold axis B and an axis of
order q, the snub's vertex P (unit) has edges of three lengths: P to its image under
the rotation by 2 pi / n about each corner axis X, of length
2 sin(pi / n) sqrt(1 - (P.X)^2).  The snub is uniform where the three are equal.
Solved by Newton's method in the barycentric weights (a, b, c) of the unit corners,
P = (aA + bB + cC)/|aA + bB + cC|.

Jitterbug: the vertex of the triangle about (1,1,1) that starts at (1,1,0) is at
angle t = J * 60 degrees (cos t - sin t / sqrt 3, cos t + sin t / sqrt 3, 0); the
twelve vertices are the icosahedron's when the ratio of the two coordinates is the
golden ratio: tan t = sqrt 3 (phi - 1) / (phi + 1) = sqrt 3 (sqrt 5 - 2).
Standard library only (no numpy).
"""
import math

PHI = (1 + math.sqrt(5)) / 2


def unit(v):
    n = math.sqrt(sum(x * x for x in v))
    return [x / n for x in v]


def dot(u, v):
    return sum(x * y for x, y in zip(u, v))


def edge_lengths(w, axes, orders):
    a, b = w
    c = 1 - a - b
    p = unit([a * axes[0][i] + b * axes[1][i] + c * axes[2][i] for i in range(3)])
    return [2 * math.sin(math.pi / n) * math.sqrt(max(0.0, 1 - dot(p, unit(x)) ** 2))
            for x, n in zip(axes, orders)]


def snub_weights(axes, orders):
    w = [1 / 3, 1 / 3]

    def residual(w):
        d = edge_lengths(w, axes, orders)
        return [d[0] - d[1], d[2] - d[1]]

    for _ in range(100):
        r = residual(w)
        h = 1e-7
        jac = []
        for k in range(2):
            wk = list(w)
            wk[k] += h
            rk = residual(wk)
            jac.append([(rk[i] - r[i]) / h for i in range(2)])
        # jac[k][i] = d r_i / d w_k
        det = jac[0][0] * jac[1][1] - jac[1][0] * jac[0][1]
        da = (-r[0] * jac[1][1] + r[1] * jac[1][0]) / det
        db = (-r[1] * jac[0][0] + r[0] * jac[0][1]) / det
        w = [w[0] + da, w[1] + db]
        if abs(da) + abs(db) < 1e-15:
            break
    return (w[0], w[1], 1 - w[0] - w[1])


FAMILIES = {
    "T": [([1, 1, 1], 3), ([1, 0, 0], 2), ([1, 1, -1], 3)],
    "O": [([1, 1, 1], 3), ([1, 0, 1], 2), ([0, 0, 1], 4)],
    "I": [([0, 1, PHI], 5), ([0, 0, 1], 2), ([PHI, 0, 2 * PHI + 1], 3)],
}

for name, corners in FAMILIES.items():
    for order in (corners, corners[::-1]):
        axes = [unit(x) for x, _ in order]  # the corners are unit vectors
        orders = [n for _, n in order]
        w = snub_weights(axes, orders)
        print(f"{name} A of order {orders[0]}, C of order {orders[2]}: "
              f"weights ({w[0]:.15f}, {w[1]:.15f}, {w[2]:.15f}), edges {edge_lengths(w[:2], axes, orders)}")

t = math.atan(math.sqrt(3) * (math.sqrt(5) - 2))
print(f"jitterbug icosahedron: J = {t / (math.pi / 3):.15f} (angle {math.degrees(t):.10f} degrees)")
