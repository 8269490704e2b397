// The control driven by Wine's own JScript engine, created by ProgID with no container:
// properties, items, the Enumerator, and the errors as the engine's exceptions. Prints FAIL
// lines and quits with their count.
var failures = 0;
function check(ok, what) {
  if (!ok) {
    WScript.Echo("FAIL: " + what);
    failures++;
  }
}
function number(e) { return e.number < 0 ? e.number + 0x100000000 : e.number; }

var s = new ActiveXObject("OrvaneSplitter.OvSplitter");
var panes = s.Panes;
check(panes.Count == 1, "a control made by a script starts with its one pane");
var p = panes.Add();
var name = "Tree";
p.Name = name;
check(p.Name == "Tree", "Name");
p.Key = "tree";
p.Appearance = 0;
check(p.Appearance == 0, "Appearance");
p.ResizeChildControl = false;
check(p.ResizeChildControl == false, "ResizeChildControl");
check(panes.Item(2).Name == "Tree", "Item by number");
check(panes.Item("2").Name == "Tree", "Item by numeric string");
check(panes.Item("tree").Name == "Tree", "Item by key");
var count = 0;
for (var e = new Enumerator(panes); !e.atEnd(); e.moveNext()) count++;
check(count == 2, "the Enumerator walks every pane");
try {
  var missing = panes.Item(0);
  check(false, "Item(0) must fail");
} catch (err) {
  check(number(err) == 0x8004041D, "Item(0) fails with 0x8004041D, got " + number(err).toString(16));
  check(err.description == "Index out of bounds.", "its description, got " + err.description);
}
try {
  panes.Item(1).Top = 3;
  check(false, "Top must be read-only");
} catch (err) {
  check(number(err) == 0x8004041A, "Top is read-only, got " + number(err).toString(16));
  check(err.description == "Top is Read-Only at runtime.", "its description, got " + err.description);
}
panes.Remove(2);
check(panes.Count == 1, "Remove");
if (failures == 0) WScript.Echo("jscript: all checks passed");
WScript.Quit(failures);
