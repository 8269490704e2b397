// OvSplitter from JScript (cscript layout.js): the same three panes as layout.vbs. A failed
// member throws an Error whose number is the HRESULT and whose description is the control's.
var splitter = new ActiveXObject("OrvaneSplitter.OvSplitter");
var panes = splitter.Panes;

var tree = panes.Item(1);
tree.Name = "Folders";
tree.Key = "tree";
var list = panes.Add(panes.Count, "list");  // after the last pane
list.Name = "Messages";
var preview = panes.Add(panes.Count, "preview");
preview.Name = "Preview";

splitter.ResizeMode = 1;   // OvResizeProportional
splitter.LiveDrag = true;
tree.Fixed = true;
tree.Collapsible = true;
list.Minimum = 600;
list.Maximum = 6000;

try {
  list.Maximum = 300;      // below its minimum
} catch (e) {
  WScript.Echo("Maximum below Minimum: " + (e.number >>> 0).toString(16).toUpperCase() + " " + e.description);
}

var before = list.Width;
tree.Collapsed = true;
WScript.Echo("Collapsed: the list grew by " + (list.Width - before) + " twips");
tree.Collapsed = false;
WScript.Echo("Restored: the list is " + list.Width + " twips wide again");

for (var e = new Enumerator(panes); !e.atEnd(); e.moveNext()) {
  var pane = e.item();
  WScript.Echo(pane.Index + " " + pane.Name + " (" + pane.Key + "): " + pane.Width + " twips");
}
WScript.Echo("Done.");
