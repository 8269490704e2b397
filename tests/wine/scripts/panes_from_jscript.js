// The control driven by Wine's own JScript engine, created by ProgID with no container:
// variables and literals alike for every argument and every pane property, items by index,
// numeric string and key, the Enumerator, Remove, Clear, and every error's number and
// description through the engine's exception. Prints FAIL lines and quits with their count.
var failures = 0;
function check(ok, what) {
  if (!ok) {
    WScript.Echo("FAIL: " + what);
    failures++;
  }
}
function hex(n) { return (n < 0 ? n + 0x100000000 : n).toString(16); }
// Runs `call`, which must fail with `number` and `description` (null: the engine's own text).
function expect(number, description, what, call) {
  try {
    call();
    check(number == 0, what + ": no error, " + hex(number) + " expected");
  } catch (e) {
    check(hex(e.number) == hex(number), what + ": " + hex(number) + " expected, got " + hex(e.number));
    check(description === null || e.description == description, what + ": \"" + description + "\" expected, got \"" + e.description + "\"");
  }
}

var s = new ActiveXObject("OrvaneSplitter.OvSplitter");
var panes = s.Panes;
check(panes.Count == 1, "a control made by a script starts with its one pane");

// Add: literals, then variables for every argument.
var p = panes.Add(1, "tree");
var q = panes.Add(1, "list", 0, "List1");
var i = 1, k = "grid", a = 0, c = "Grid1";
var g = panes.Add(i, k, a, c);
check(panes.Count == 4, "four panes after three Adds");
check(g.Index == 2 && q.Index == 3 && p.Index == 4, "Add with an Index inserts after it");
check(g.Key == "grid" && g.Appearance == 0 && g.ControlName == "Grid1", "Add's arguments from variables");
check(q.Key == "list" && q.Appearance == 0 && q.ControlName == "List1", "Add's arguments from literals");

// Every pane property, from a variable and from a literal: [name, variable's value, literal].
var properties = [["Name", "Tree", "Literal"], ["Appearance", 0, 1], ["ControlName", "TreeView1", "Other"],
                  ["ResizeChildControl", false, true], ["Key", "branch", "leaf"], ["Tag", 42, "note"],
                  // No container gives scale units: extents are written in twips, as they are read.
                  ["Minimum", 300, 150]];
for (var n = 0; n < properties.length; n++) {
  var v = properties[n][1];
  p[properties[n][0]] = v;
  check(p[properties[n][0]] === v, properties[n][0] + " from a variable, got " + p[properties[n][0]]);
  p[properties[n][0]] = properties[n][2];
  check(p[properties[n][0]] === properties[n][2], properties[n][0] + " from a literal, got " + p[properties[n][0]]);
}
var w = 1200;
q.Width = w;
check(q.Width == 1200, "Width from a variable, got " + q.Width);
q.Width = 900;
check(q.Width == 900, "Width from a literal, got " + q.Width);
p.Tag = panes;
check(p.Tag.Count == 4, "Tag holding an object");

var index = 2, numeric = "3", key = "leaf";
check(panes.Item(index).Key == "grid", "Item by a number in a variable");
check(panes.Item(2).Key == "grid", "Item by a literal number");
check(panes.Item(numeric).Key == "list", "Item by a numeric string in a variable");
check(panes.Item("3").Key == "list", "Item by a literal numeric string");
check(panes.Item(key).Index == 4, "Item by a key in a variable");
check(panes.Item("leaf").Index == 4, "Item by a literal key");
panes.Item(1);  // a call whose result is dropped reaches the property as a method call

var order = "";
for (var e = new Enumerator(panes); !e.atEnd(); e.moveNext()) order += e.item().Index + " ";
check(order == "1 2 3 4 ", "the Enumerator walks the panes in order, got " + order);

// Every error, read back from the engine's exception.
var bounds = "Index out of bounds.", keyInUse = "Key already exists.";
var errors = [
  [0x8004041D, bounds, "Item(0), its result dropped", function() { panes.Item(0); }],
  [0x8004041D, bounds, "Item(Count + 1)", function() { return panes.Item(5); }],
  [0x8004041D, bounds, "Item of a key no pane has", function() { return panes.Item("nothing"); }],
  [0x8004041D, bounds, "Item by key is exact", function() { return panes.Item("LEAF"); }],
  [0x8004041D, bounds, "Remove of a missing pane", function() { panes.Remove(9); }],
  [0x8004041D, bounds, "Add after a missing pane", function() { panes.Add(9); }],
  [0x8004041B, keyInUse, "Add with a key in use", function() { panes.Add(1, " LEAF "); }],
  [0x8004041B, keyInUse, "Key of another pane", function() { p.Key = "GRID"; }],
  [0x8004041A, "Left is Read-Only at runtime.", "Left", function() { p.Left = 7; }],
  [0x8004041A, "Top is Read-Only at runtime.", "Top", function() { p.Top = 7; }],
  [0x8004041A, "Index is Read-Only at runtime.", "Index", function() { p.Index = 1; }],
  [0x8004041A, "Height is read-only at runtime.", "Height side by side", function() { p.Height = 1500; }],
  [0x8004041C, "Minimum must be greater than 0.", "a negative Minimum", function() { p.Minimum = -1; }],
  [0x8004041B, "Minimum must be less than or equal to Width.", "Minimum over the width",
   function() { p.Minimum = 1000000; }],
  // A dispatch error reaches the script as it is: Wine's JScript gives it no text.
  [0x80020005, null, "letters for Appearance", function() { p.Appearance = "abc"; }],
  [0x8004041F, "Width cannot be less than Min.", "Add splitting a pane at its minimum",
   function() { p.Minimum = p.Width; panes.Add(); }],
  [0, "", "Orientation with no container", function() { p.Minimum = 0; s.Orientation = 1; }],
  [0x8004041A, "Width is read-only at runtime.", "Width when stacked", function() { p.Width = 1500; }],
  [0x8004041B, "Minimum must be less than or equal to Height.", "Minimum over the height",
   function() { p.Minimum = 1000000; }]];
for (var n = 0; n < errors.length; n++) expect(errors[n][0], errors[n][1], errors[n][2], errors[n][3]);
check(panes.Count == 4, "a failed Add inserts nothing");
var h = 600;
p.Height = h;
check(p.Height == 600, "Height from a variable when stacked, got " + p.Height);

var at = 2;
panes.Remove(at);
check(panes.Count == 3, "Remove by a variable");
panes.Remove("list");
check(panes.Count == 2 && panes.Item(2).Key == "leaf", "Remove by a literal key");
panes.Remove(1);
expect(0x8004041C, "Height is read-only when there is only 1 Pane.", "Height of the only pane",
       function() { panes.Item(1).Height = 600; });
s.Orientation = 0;
expect(0x8004041C, "Width is read-only when there is only 1 Pane.", "Width of the only pane",
       function() { panes.Item(1).Width = 600; });
panes.Clear();
check(panes.Count == 0, "Clear");
check(new Enumerator(panes).atEnd(), "the Enumerator over no panes");
if (failures == 0) WScript.Echo("jscript: all checks passed");
WScript.Quit(failures);
