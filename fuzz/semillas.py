#!/usr/bin/env python3
"""Writes the seed corpus in fuzz/corpus/: a few meaningful inputs per fuzzer.

The structured fuzzers read their bytes through libFuzzer's FuzzedDataProvider,
which takes strings from the front of the input and integers from its back;
Semilla builds inputs the same way, so each seed says what it holds.
Run it from anywhere: python3 fuzz/semillas.py
"""

import math
import os
import struct

RAIZ = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


class Semilla:
    """An input for FuzzedDataProvider, written in the order it is consumed."""

    def __init__(self):
        self.frente = bytearray()
        self.fondo = []  # bytes taken from the back, in the order taken

    def entero(self, lo, hi, v, ancho=4):
        rango = hi - lo
        n = 0
        while n < ancho and (rango >> (8 * n)) > 0:
            n += 1
        x = v - lo
        assert 0 <= x <= rango
        self.fondo += list(x.to_bytes(n, "big")) if n else []
        return self

    def bool(self, v):
        self.fondo.append(1 if v else 0)
        return self

    def u64(self, v):
        self.fondo += list(v.to_bytes(8, "big"))
        return self

    def u32(self, v):
        self.fondo += list(v.to_bytes(4, "big"))
        return self

    def texto(self, s):
        b = s.encode("utf-8") if isinstance(s, str) else s
        self.frente += b.replace(b"\\", b"\\\\") + b"\\ "
        return self

    def crudo(self, b):
        self.frente += b
        return self

    def bytes(self):
        return bytes(self.frente) + bytes(reversed(self.fondo))


def bits(x):
    return struct.unpack("<Q", struct.pack("<d", x))[0]


# Numero(): 0 any double, 1 a typed text, 2 a short decimal, 3 a small integer.
def numero_doble(s, x):
    return s.entero(0, 3, 0).u64(bits(x))


def numero_texto(s, t):
    return s.entero(0, 3, 1).texto(t)


def numero(s, x):
    if isinstance(x, str):
        return numero_texto(s, x)
    return numero_doble(s, x)


def caja(s, t):
    """TextoDeCaja(): a text as typed."""
    return s.bool(True).texto(t)


def escribir(objetivo, nombre, datos):
    carpeta = os.path.join(RAIZ, objetivo)
    os.makedirs(carpeta, exist_ok=True)
    if isinstance(datos, Semilla):
        datos = datos.bytes()
    elif isinstance(datos, str):
        datos = datos.encode("utf-8")
    with open(os.path.join(carpeta, nombre), "wb") as f:
        f.write(datos)


def main():
    extremos = [0.5, 18.0148, 1 / 3, 1.5e-5, 1e15, -0.0, 0.0, -273.15, 123456789012345.0, 0.1 + 0.2,
                1.7976931348623157e308, 2.2250738585072014e-308, 5e-324, -1e-300, math.inf, math.nan]

    for i, f in enumerate(["H2O", "C6H12O6", "NaCl", "CH3COOH", " H2SO4 ", "Xx2O", "2H", "H0", "U235",
                           "Og", "Fe2O3", "H" + "9" * 320, "CaCO3CaCO3CaCO3CaCO3", "h2o", "Cl-"]):
        escribir("formula", "f%02d" % i, f)

    for i, t in enumerate(["0", "1,", ",5", " -2,5E+3 ", "1E-400", "1,79769313486232E+308", "4,94065645841247E-324",
                           "1.5", "1,2,3", "-", "+1e5", "\t3\t", "1E400", "0,333333333333333", "-0", "1e", ".", "\b"]):
        escribir("texto_numero", "t%02d" % i, t)

    for i, x in enumerate(extremos):
        escribir("numero_texto", "n%02d" % i, Semilla().u64(bits(x)).entero(-20, 20, 3).bytes())

    # Ten rows of the empirical-formula frame (mode 0): symbol then percentage.
    def filas(datos):
        s = Semilla().entero(0, 2, 0)
        for simbolo, porcentaje in datos + [("", "")] * (10 - len(datos)):
            if simbolo == "":
                s.entero(0, 3, 0)
            else:
                s.entero(0, 3, 1).texto(simbolo)
            if porcentaje == "":
                s.bool(False)
            else:
                s.bool(True)
                caja(s, porcentaje)
        return s

    escribir("formula_empirica", "agua", filas([("H", "11,19"), ("O", "88,81")]))
    escribir("formula_empirica", "glucosa", filas([("C", "40"), ("H", "6,71"), ("O", "53,29")]))
    escribir("formula_empirica", "tercios", filas([("Fe", "69,94"), ("O", "30,06")]))
    escribir("formula_empirica", "cero", filas([("Na", "0"), ("Cl", "60,66")]))
    escribir("formula_empirica", "no_numero", filas([("K", "1,2,3")]))

    for i, (m, g, pm) in enumerate([("2", "", "18,015"), ("", "36,03", "18,015"), ("1E+300", "", "1E+300"),
                                    ("", "5", "0"), ("-0,5", "", "58,442"), ("1,5E-05", "", "4,94065645841247E-324")]):
        s = Semilla()
        for t in (m, g, pm):
            if t == "":
                s.bool(True)
            else:
                s.bool(False)
                caja(s, t)
        escribir("calculadora_molar", "m%02d" % i, s)

    # Yield: five boxes and the product mass.
    for i, valores in enumerate([("1", "1", "10", "18,015", "18,015", "9"), ("2", "3", "5", "0", "1", "1"),
                                 ("1", "1", "1E+300", "1E-300", "1E+300", "1E+307"),
                                 ("1", "1", "82", "46", "100", "-1,96E+307")]):
        s = Semilla()
        for v in valores:
            numero_texto(s, v)
        escribir("rendimiento", "r%02d" % i, s)

    # Solutions: desired, stock and volume (position, value), molar mass, density.
    def disolucion(d, p, v, pm, dens):
        s = Semilla().bool(False)
        for pos, val in (d, p, v):
            s.entero(-1, 7, pos)
            numero(s, val)
        numero(s, pm)
        numero(s, dens)
        return s

    escribir("disoluciones", "molar", disolucion((0, "0,1"), (0, "1"), (1, "500"), "58,442", "1"))
    escribir("disoluciones", "igual", disolucion((0, "0,7"), (0, "0,7"), (1, "300"), "58,442", "1"))
    escribir("disoluciones", "porcentaje", disolucion((3, "10"), (0, "1"), (1, "500"), "100", "1,2"))
    escribir("disoluciones", "masica", disolucion((4, "5,8442"), (0, "1"), (0, "1"), "58,442", "0"))
    escribir("disoluciones", "negativa", disolucion((0, "-1E+150"), (0, "1"), (0, "1"), "1E+155", "1"))
    escribir("disoluciones", "escalas", Semilla().bool(True).entero(0, 3, 1).texto("0,0009")
             .entero(0, 3, 1).texto("1000,0001").entero(0, 3, 1).texto("9E-07"))

    # Decay: half-life texts (mode 0), activities (1), intervals (2), spinners (3).
    for i, (t, u) in enumerate([("5730", "años"), ("20,3", "min."), ("0,", "horas"), ("1E+306", "días")]):
        escribir("decaimiento", "periodo%d" % i,
                 Semilla().entero(0, 3, 0).bool(True).texto(t).bool(True).entero(0, 3, ["min.", "horas", "días", "años"].index(u), 8))
    for i, (a0, h, u) in enumerate([("10", "65", 0), ("999999", "-65000", 0), ("2000", "0", 7), ("3E-294", "-335490,7", 1)]):
        s = Semilla().entero(0, 3, 1)
        numero_texto(s, a0)
        numero_texto(s, h)
        numero_texto(s, "65")
        s.entero(0, 5, 1).entero(0, 47, 21, 8).entero(-1, 8, u)
        escribir("decaimiento", "actividad%d" % i, s)
    for i, (d, h1, m1, h2, m2) in enumerate([(3, "12", "0", "5", "0"), (0, "0", "0", "0", "2,5"), (-1, "12", "0", "12", "0")]):
        s = Semilla().entero(0, 3, 2).entero(-4000000, 4000000, d, 8)
        for v in (h1, m1, h2, m2):
            numero_texto(s, v)
        escribir("decaimiento", "intervalo%d" % i, s)
    for i, (tipo, a) in enumerate([(2, 0.5), (2, 999998.5), (0, 23.0), (1, 59.0)]):
        s = Semilla().entero(0, 3, 3).bool(True).entero(0, 2, tipo).entero(0, 3, 1)
        numero_doble(s, a)
        if tipo == 1:
            s.entero(0, 3, 2).entero(-2, 26, 23).bool(False)
        elif tipo == 2:
            s.entero(0, 2, 0)
        escribir("decaimiento", "flecha%d" % i, s)

    for i, (a, b, c) in enumerate([(1, -5, 6), (1, 2, 1), (0, 2, -4), (0, 0, 5), (1, 0, 4), (1e-15, 1, -1),
                                   (1e300, -3e300, 2e300), (6.59e-43, 2.68e154, -5.52e303), (1e-310, -5e-310, 6e-310)]):
        s = Semilla()
        for x in (a, b, c):
            numero_doble(s, x)
        escribir("ecuacion_cuadratica", "q%02d" % i, s)

    for i, (w, o, t) in enumerate([(0, 0, "100"), (0, 2, "0"), (0, 1, "-459,67"), (1, 0, "1"), (1, 3, "101325"),
                                   (1, 4, "1E+300"), (2, 0, "1"), (2, 4, "-1,5E+308"), (2, 2, "2,5")]):
        escribir("conversiones", "c%02d" % i, caja(Semilla().entero(0, 2, w).entero(0, [2, 5, 4][w], o), t))

    # Orders from fair, constant and broken sources; games with a run of right clicks.
    escribir("puzle", "orden118", Semilla().bool(True).bool(True).entero(0, 130, 118).entero(0, 4096, 0, 8)
             .bool(False).u32(0))
    escribir("puzle", "orden_nan", Semilla().bool(True).bool(True).entero(0, 130, 30).entero(0, 4096, 0, 8)
             .bool(True).u32(0x7FC00000))
    escribir("puzle", "orden_grande", Semilla().bool(True).bool(False).entero(-40000, 40000, 32767)
             .entero(0, 4096, 0, 8).u32(0).u32(7))
    for tablero in (True, False):
        s = Semilla().bool(False).bool(tablero).entero(0, 2048, 0, 8)
        for _ in range(3):
            s.entero(0, 5, 3)
        s.entero(0, 5, 5).entero(1, 120, 120).entero(0, 5, 3).entero(0, 5, 0)
        escribir("puzle", "partida_%s" % ("completa" if tablero else "reducida"), s)

    def etiquetas(*ts):
        s = Semilla()
        for t in ts:
            s.entero(0, 3, 0).texto(t)
        return s

    escribir("marcas", "mejor", etiquetas("1", "5", "2", "0"))
    escribir("marcas", "igual", etiquetas("0", "60", "1", "0"))
    escribir("marcas", "cero", etiquetas("0", "0", "2", "0"))
    escribir("marcas", "editada", etiquetas("1", "5", "-3", "1,5"))
    escribir("marcas", "enorme", etiquetas("1E+300", " 7 ", "1E+12", "0"))

    for i, t in enumerate(["Fe2O3", "Fe₂(SO₄)₃", "SO4^2-", "NH₄⁺", "NaCl2", "Xx2", "Cl2O", "óxido de cobre(I)",
                           "tetraoxosulfato(VI) de hidrógeno", "ACIDO PERCLORICO", "bis[hidrogeno(trioxidocarbonato)] de calcio",
                           "hidrógeno(2−)", "((((", "pentóxido de dinitrógeno", ""]):
        escribir("nomenclatura", "n%02d" % i, t)

    for i, e in enumerate(["Fe + O2 -> Fe2O3", "MnO4^- + Fe^2+ + H^+ -> Mn^2+ + Fe^3+ + H2O",
                           "K4[Fe(CN)6] + KMnO4 + H2SO4 -> KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O",
                           "CuSO4·5H2O(s) → CuSO4(s) + H2O(g)", "Cr₂O₇²⁻ + Fe²⁺ + H⁺ = Cr³⁺ + Fe³⁺ + H₂O",
                           "MnO4^- + H^+ + e^- => Mn^2+ + H2O", "H2 + O2 -> H2O + H2O2", "H2O -> H2O2",
                           "H4294967291 + O4294967279 -> HO", "Og + Xx -> h2", "2 H2 + O2 -> 2 H2O"]):
        escribir("ecuaciones", "e%02d" % i, e)

    # Element card: a search text, the element (1..118 or any int), its
    # oxidation numbers, a figure for the labels.
    for i, (t, z, v, x) in enumerate([("fe", 26, [2, 3], 1808.0), ("26", 26, [], float("nan")),
                                      ("hierro", 0, [1], float("inf")), ("Ó", 118, [-4, 4], -0.0),
                                      ("  Og ", -7, [2**31 - 1], 1e308), ("ca", 20, [], 2.5e-320)]):
        s = Semilla().texto(t)
        if 1 <= z <= 118:
            s.bool(True).entero(1, 118, z)
        else:
            s.bool(False).entero(-2**31, 2**31 - 1, z)
        s.entero(0, 8, len(v))
        for n in v:
            s.entero(-2**31, 2**31 - 1, n)
        escribir("ficha", "f%02d" % i, numero(s, x))


if __name__ == "__main__":
    main()
