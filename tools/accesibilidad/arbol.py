#!/usr/bin/python3
"""What a screen reader finds in Orvella's windows, read over AT-SPI.

Orvella must be running with accessibility on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
on the same session bus; volcar.sh beside this file sets all of it up under a
virtual display.

    arbol.py [--abrir ENTRADA] [--escribir NOMBRE=TEXTO] [--pulsar NOMBRE]
             [--controles] [VENTANA ...]

--abrir presses a menu entry of the periodic table first ("Calculadora molar"),
as a screen reader user would; --escribir then puts a text in the field of
that name and --pulsar presses the button of that name, in the order given. Each window whose title contains one of
VENTANA (all of them when none is given) is printed as a tree: role, name,
description, the label it is labelled by and the states that matter to a
screen reader. --controles prints only what can be focused or pressed.
"""

import argparse
import sys
import time

import pyatspi

ESTADOS = {
    pyatspi.STATE_FOCUSABLE: "enfocable",
    pyatspi.STATE_FOCUSED: "con el foco",
    pyatspi.STATE_EDITABLE: "editable",
    pyatspi.STATE_CHECKED: "marcado",
}


def programa(nombre="orvella", espera=10.0):
    fin = time.monotonic() + espera
    while time.monotonic() < fin:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == nombre:
                return app
        time.sleep(0.2)
    sys.exit(f"arbol.py: {nombre} is not on the accessibility bus")


def hijos(nodo):
    for i in range(nodo.childCount):
        hijo = nodo.getChildAtIndex(i)
        if hijo is not None:
            yield hijo


def rotulo(nodo):
    for relacion in nodo.getRelationSet():
        if relacion.getRelationType() == pyatspi.RELATION_LABELLED_BY and relacion.getNTargets() > 0:
            return relacion.getTarget(0).name
    return ""


def pulsable(nodo):
    try:
        acciones = nodo.queryAction()
    except NotImplementedError:
        return False
    return any(acciones.getName(i) in ("press", "Press", "click") for i in range(acciones.nActions))


def linea(nodo, nivel):
    estado = nodo.getState()
    if not estado.contains(pyatspi.STATE_SHOWING):
        return None
    partes = [f"{'  ' * nivel}[{nodo.getRoleName()}] {nodo.name!r}"]
    if nodo.description:
        partes.append(f"descripción={nodo.description!r}")
    if rotulo(nodo):
        partes.append(f"rótulo={rotulo(nodo)!r}")
    marcas = [texto for clave, texto in ESTADOS.items() if estado.contains(clave)]
    if marcas:
        partes.append("(" + ", ".join(marcas) + ")")
    return "  ".join(partes)


def volcar(nodo, nivel, solo_controles):
    texto = linea(nodo, nivel)
    if texto is None:
        return
    control = nodo.getState().contains(pyatspi.STATE_FOCUSABLE) or pulsable(nodo)
    if not solo_controles or control or nivel == 0:
        print(texto)
    for hijo in hijos(nodo):
        volcar(hijo, nivel + 1, solo_controles)


def buscar(nodo, rol, nombre):
    if nodo.getRole() == rol and nodo.name == nombre:
        return nodo
    for hijo in hijos(nodo):
        encontrado = buscar(hijo, rol, nombre)
        if encontrado is not None:
            return encontrado
    return None


def encontrar(app, rol, nombre):
    for ventana in hijos(app):
        nodo = buscar(ventana, rol, nombre)
        if nodo is not None:
            return nodo
    sys.exit(f"arbol.py: nothing called {nombre!r}")


def pulsar(app, rol, nombre):
    encontrar(app, rol, nombre).queryAction().doAction(0)
    time.sleep(1.0)


def escribir(app, orden):
    nombre, _, texto = orden.partition("=")
    encontrar(app, pyatspi.ROLE_TEXT, nombre).queryEditableText().setTextContents(texto)


def main():
    argumentos = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argumentos.add_argument("--abrir", action="append", default=[])
    argumentos.add_argument("--escribir", action="append", default=[])
    argumentos.add_argument("--pulsar", action="append", default=[])
    argumentos.add_argument("--controles", action="store_true")
    argumentos.add_argument("ventanas", nargs="*")
    opciones = argumentos.parse_args()

    app = programa()
    for entrada in opciones.abrir:
        pulsar(app, pyatspi.ROLE_MENU_ITEM, entrada)
    for orden in opciones.escribir:
        escribir(app, orden)
    for boton in opciones.pulsar:
        pulsar(app, pyatspi.ROLE_PUSH_BUTTON, boton)
    for ventana in hijos(app):
        if not opciones.ventanas or any(v in ventana.name for v in opciones.ventanas):
            volcar(ventana, 0, opciones.controles)
            print()


if __name__ == "__main__":
    main()
