' The control driven by Wine's own VBScript engine, created by ProgID with no container:
' variables and literals alike for every argument and every pane property, items by index,
' numeric string and key, For Each, Remove, Clear, and every error's number and description
' through the engine's Err. Prints FAIL lines and quits with their count.
Option Explicit
Dim failures : failures = 0
Sub Check(ok, what)
  If Not ok Then
    WScript.Echo "FAIL: " & what
    failures = failures + 1
  End If
End Sub
' The error the statement before raised, read through Err, then cleared.
Sub Expect(number, description, what)
  Dim gotNumber, gotDescription
  gotNumber = Err.Number : gotDescription = Err.Description
  Err.Clear
  Check gotNumber = number, what & ": number " & Hex(number) & " expected, got " & Hex(gotNumber)
  Check gotDescription = description, what & ": """ & description & """ expected, got """ & gotDescription & """"
End Sub

Dim s, panes, p, q, v, k, i, a, c, count, names
Set s = CreateObject("OrvaneSplitter.OvSplitter")
Set panes = s.Panes
Check panes.Count = 1, "a control made by a script starts with its one pane"

' Add: literals, then variables for every argument.
Set p = panes.Add(, "tree")
Set q = panes.Add(1, "list", 0, "List1")
i = 1 : k = "grid" : a = 0 : c = "Grid1"
Set v = panes.Add(i, k, a, c)
Check panes.Count = 4, "four panes after three Adds"
Check v.Index = 2 And q.Index = 3 And p.Index = 4, "Add with an Index inserts after it"
Check v.Key = "grid" And v.Appearance = 0 And v.ControlName = "Grid1", "Add's arguments from variables"
Check q.Key = "list" And q.Appearance = 0 And q.ControlName = "List1", "Add's arguments from literals"

' Every pane property, from a variable and from a literal.
v = "Tree" : p.Name = v : Check p.Name = "Tree", "Name from a variable"
p.Name = "Literal" : Check p.Name = "Literal", "Name from a literal"
v = 0 : p.Appearance = v : Check p.Appearance = 0, "Appearance from a variable"
p.Appearance = 1 : Check p.Appearance = 1, "Appearance from a literal"
v = "TreeView1" : p.ControlName = v : Check p.ControlName = "TreeView1", "ControlName from a variable"
p.ControlName = "Other" : Check p.ControlName = "Other", "ControlName from a literal"
v = False : p.ResizeChildControl = v : Check p.ResizeChildControl = False, "ResizeChildControl from a variable"
p.ResizeChildControl = True : Check p.ResizeChildControl = True, "ResizeChildControl from a literal"
v = "branch" : p.Key = v : Check p.Key = "branch", "Key from a variable"
p.Key = "leaf" : Check p.Key = "leaf", "Key from a literal"
v = 42 : p.Tag = v : Check p.Tag = 42, "Tag from a variable"
p.Tag = "note" : Check p.Tag = "note", "Tag from a literal"
' A property read given an argument indexes the array its value holds.
v = Array(10, "b") : p.Tag = v : i = 1
Check p.Tag(i) = "b" And p.Tag(0) = 10, "Tag(index) is an element of the array Tag holds"
On Error Resume Next
v = p.Tag(2) : Expect 9, "Subscript out of range", "Tag(index) beyond the array"
v = p.Tag(0, 0) : Expect 9, "Subscript out of range", "Tag with more subscripts than the array has"
On Error Goto 0
Set p.Tag = panes : Check p.Tag.Count = 4, "Tag holding an object"
' No container gives scale units: extents are written in twips, as they are read.
v = 300 : p.Minimum = v : Check p.Minimum = 300, "Minimum from a variable, got " & p.Minimum
p.Minimum = 150 : Check p.Minimum = 150, "Minimum from a literal, got " & p.Minimum
v = 1200 : q.Width = v : Check q.Width = 1200, "Width from a variable, got " & q.Width
q.Width = 900 : Check q.Width = 900, "Width from a literal, got " & q.Width
v = 2 : Check panes(v).Key = "grid", "Item by a number in a variable"
Check panes(2).Key = "grid", "Item by a literal number"
v = "3" : Check panes(v).Key = "list", "Item by a numeric string in a variable"
Check panes("3").Key = "list", "Item by a literal numeric string"
v = "leaf" : Check panes.Item(v).Index = 4, "Item by a key in a variable"
Check panes.Item("leaf").Index = 4, "Item by a literal key"
Check s.Panes(v).Index = 4, "the control's Panes with an argument is an item of the collection"

names = ""
For Each p In panes
  names = names & p.Index & " "
Next
Check names = "1 2 3 4 ", "For Each walks the panes in order, got " & names

' Every error, read back through Err.
On Error Resume Next
Set p = panes(4)
v = 0 : Set q = panes(v) : Expect &H8004041D, "Index out of bounds.", "Item(0) from a variable"
Set q = panes(5) : Expect &H8004041D, "Index out of bounds.", "Item(Count + 1)"
Set q = panes("nothing") : Expect &H8004041D, "Index out of bounds.", "Item of a key no pane has"
Set q = panes("LEAF") : Expect &H8004041D, "Index out of bounds.", "Item by key is exact"
v = 9 : panes.Remove v : Expect &H8004041D, "Index out of bounds.", "Remove of a missing pane"
Set q = panes.Add(9) : Expect &H8004041D, "Index out of bounds.", "Add after a missing pane"
v = " LEAF " : Set q = panes.Add(, v) : Expect &H8004041B, "Key already exists.", "Add with a key in use"
Check panes.Count = 4, "a failed Add inserts nothing"
v = "GRID" : p.Key = v : Expect &H8004041B, "Key already exists.", "Key of another pane"
v = 7 : p.Left = v : Expect &H8004041A, "Left is Read-Only at runtime.", "Left from a variable"
p.Top = 7 : Expect &H8004041A, "Top is Read-Only at runtime.", "Top from a literal"
v = 1 : p.Index = v : Expect &H8004041A, "Index is Read-Only at runtime.", "Index"
v = 1500 : p.Height = v : Expect &H8004041A, "Height is read-only at runtime.", "Height side by side"
v = -1 : p.Minimum = v : Expect &H8004041C, "Minimum must be greater than 0.", "a negative Minimum"
v = 1000000 : p.Minimum = v : Expect &H8004041B, "Minimum must be less than or equal to Width.", "Minimum over the width"
v = "abc" : p.Appearance = v : Expect 13, "Type mismatch", "letters for Appearance"
Set q = s.MouseIcon(1) : Expect 424, "Object required", "an item of a MouseIcon that is Nothing"
p.Minimum = p.Width : Set q = panes.Add() : Expect &H8004041F, "Width cannot be less than Min.", "Add splitting a pane at its minimum"
Check panes.Count = 4, "Add below the minimum inserts nothing"
p.Minimum = 0 : Expect 0, "", "Minimum 0"
v = 1 : s.Orientation = v : Expect 0, "", "Orientation from a variable, with no container"
p.Width = 1500 : Expect &H8004041A, "Width is read-only at runtime.", "Width when stacked"
p.Minimum = 1000000 : Expect &H8004041B, "Minimum must be less than or equal to Height.", "Minimum over the height"
v = 600 : p.Height = v : Check p.Height = 600, "Height from a variable when stacked, got " & p.Height
Err.Clear
On Error Goto 0

v = 2 : panes.Remove v : Check panes.Count = 3, "Remove by a variable"
panes.Remove "list" : Check panes.Count = 2 And panes(2).Key = "leaf", "Remove by a literal key"
panes.Remove 1
On Error Resume Next
panes(1).Height = 600 : Expect &H8004041C, "Height is read-only when there is only 1 Pane.", "Height of the only pane"
s.Orientation = 0 : Expect 0, "", "Orientation from a literal"
panes(1).Width = 600 : Expect &H8004041C, "Width is read-only when there is only 1 Pane.", "Width of the only pane"
On Error Goto 0
panes.Clear : Check panes.Count = 0, "Clear"
count = 0
For Each p In panes
  count = count + 1
Next
Check count = 0, "For Each over no panes"
If failures = 0 Then WScript.Echo "vbscript: all checks passed"
WScript.Quit failures
