// The control driven by Wine's own JScript engine, where it differs from VBScript: values
// passed as they are (not by reference), properties set by a computed name, a dropped
// result, the Enumerator, and the errors as the engine's exceptions. Prints FAIL lines and
// quits with their count.
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
    check(false, what + ": no error, " + hex(number) + " expected");
  } catch (e) {
    check(hex(e.number) == hex(number), what + ": " + hex(number) + " expected, got " + hex(e.number));
    check(description === null || e.description == description, what + ": \"" + description + "\" expected, got \"" + e.description + "\"");
  }
}

var s = new ActiveXObject("OrvaneSplitter.OvSplitter");
var panes = s.Panes;
var p = panes.Add(1, "tree");

// [name, a value]: each set by its name and read back as the same value of the same type.
var properties = [["Name", "Tree"], ["Appearance", 0], ["ResizeChildControl", false], ["Key", "leaf"], ["Tag", 42]];
for (var n = 0; n < properties.length; n++) {
  var v = properties[n][1];
  p[properties[n][0]] = v;
  check(p[properties[n][0]] === v, properties[n][0] + " from a variable, got " + p[properties[n][0]]);
}
panes.Item(1);  // a call whose result is dropped reaches the property as a method call

var order = "";
for (var e = new Enumerator(panes); !e.atEnd(); e.moveNext()) order += e.item().Index + " ";
check(order == "1 2 ", "the Enumerator walks the panes in order, got " + order);

expect(0x8004041D, "Index out of bounds.", "Item(0), its result dropped", function() { panes.Item(0); });
// A dispatch error reaches the script as it is: Wine's JScript gives it no text.
expect(0x80020005, null, "letters for Appearance", function() { p.Appearance = "abc"; });
if (failures == 0) WScript.Echo("jscript: all checks passed");
WScript.Quit(failures);
