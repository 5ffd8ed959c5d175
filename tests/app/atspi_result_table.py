# SPDX-FileCopyrightText: 2026 The stagepath developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the result table of a running stagepath window as a screen reader
# does, over AT-SPI: presses "Hesaplama Yap", then checks the counts, the
# headers and, in a few rows, that the total is the sum of the stage values
# and that the path text names those values. Exit status 0 when all hold.
import sys
import time

import pyatspi


def find(node, wanted, depth=0):
    """The first node under node (tables not entered) for which wanted holds."""
    if node is None or depth > 30:
        return None
    if wanted(node):
        return node
    if node.getRoleName() == 'table':
        return None
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), wanted, depth + 1)
        if found is not None:
            return found
    return None


def application(name, seconds=20):
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.time() + seconds
    while time.time() < deadline:
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def fail(message):
    print('FAIL:', message)
    sys.exit(1)


app = application('stagepath')
if app is None:
    fail('the application never appeared on the accessibility bus')
button = find(app, lambda n: n.getRoleName() == 'push button' and n.name == 'Hesaplama Yap')
if button is None:
    fail('no button "Hesaplama Yap"')
button.queryAction().doAction(0)

table = find(app, lambda n: n.getRoleName() == 'table' and n.name == 'Sonuçlar')
if table is None:
    fail('no table "Sonuçlar"')
cells = table.queryTable()
deadline = time.time() + 10
while cells.nRows == 0 and time.time() < deadline:
    time.sleep(0.2)
# The start-up lesson: four stages between five columns of three boxes.
if (cells.nRows, cells.nColumns) != (243, 6):
    fail('counts %d x %d' % (cells.nRows, cells.nColumns))
headers = [cells.getColumnDescription(c) for c in range(cells.nColumns)]
if headers != ['1.Vorta', '2.Vorta', '3.Vorta', '4.Vorta', 'Toplam', 'Yol']:
    fail('headers %r' % headers)
for row in (0, 1, 121, 242):
    texts = [cells.getAccessibleAt(row, c).name for c in range(cells.nColumns)]
    values = [int(t) for t in texts[:4]]
    if int(texts[4]) != sum(values):
        fail('row %d: total %s of %r' % (row, texts[4], values))
    if ['(%d)' % v for v in values] != [w for w in texts[5].split() if w.startswith('(')]:
        fail('row %d: path %r against %r' % (row, texts[5], values))
    print(row, texts)
print('PASS')
