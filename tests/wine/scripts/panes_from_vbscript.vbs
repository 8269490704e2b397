' The control driven by Wine's own VBScript engine, created by ProgID with no container:
' variables and literals alike, items by index, numeric string and key, For Each, and the
' errors through the engine's Err. Prints FAIL lines and quits with their count.
Option Explicit
Dim failures : failures = 0
Sub Check(ok, what)
  If Not ok Then
    WScript.Echo "FAIL: " & what
    failures = failures + 1
  End If
End Sub

Dim s, panes, p, v, count
Set s = CreateObject("OrvaneSplitter.OvSplitter")
Set panes = s.Panes
Check panes.Count = 1, "a control made by a script starts with its one pane"
Set p = panes.Add(, "tree")
Check panes.Count = 2, "Add with a key"

v = "Tree" : p.Name = v : Check p.Name = "Tree", "Name from a variable"
v = 0 : p.Appearance = v : Check p.Appearance = 0, "Appearance from a variable"
v = "TreeView1" : p.ControlName = v : Check p.ControlName = "TreeView1", "ControlName from a variable"
v = False : p.ResizeChildControl = v : Check p.ResizeChildControl = False, "ResizeChildControl from a variable"
v = "branch" : p.Key = v : Check p.Key = "branch", "Key from a variable"
v = 42 : p.Tag = v : Check p.Tag = 42, "Tag from a variable"
p.Name = "Literal" : Check p.Name = "Literal", "Name from a literal"
p.Appearance = 1 : Check p.Appearance = 1, "Appearance from a literal"

v = 1 : Check panes(v).Index = 1, "Item by a number in a variable"
Check panes("2").Name = "Literal", "Item by a numeric string"
Check panes.Item("branch").Name = "Literal", "Item by key"
count = 0
For Each p In panes
  count = count + 1
Next
Check count = 2, "For Each walks every pane"

On Error Resume Next
Set p = panes(0)
Check Err.Number = &H8004041D, "Item(0) fails with 0x8004041D, got " & Hex(Err.Number)
Check Err.Description = "Index out of bounds.", "its description, got " & Err.Description
Err.Clear
v = 7
panes(1).Left = v
Check Err.Number = &H8004041A, "Left from a variable is read-only, got " & Hex(Err.Number)
Check Err.Description = "Left is Read-Only at runtime.", "its description, got " & Err.Description
Err.Clear
panes(1).Left = 7
Check Err.Number = &H8004041A, "Left from a literal is read-only, got " & Hex(Err.Number)
Err.Clear
v = "abc"
panes(1).Appearance = v
Check Err.Number = 13, "letters for Appearance are a type mismatch, got " & Err.Number
Err.Clear
On Error Goto 0

panes.Remove 2 : Check panes.Count = 1, "Remove"
panes.Clear : Check panes.Count = 0, "Clear"
If failures = 0 Then WScript.Echo "vbscript: all checks passed"
WScript.Quit failures
