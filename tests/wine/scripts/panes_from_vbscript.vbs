' The control driven by Wine's own VBScript engine, created by ProgID with no container:
' variables (passed by reference) and literals as arguments, items by index, numeric string
' and key, an array in Tag indexed through the property, For Each, Remove, Clear, and the
' errors' numbers and descriptions through the engine's Err; the members the second
' splitter interface adds. Prints FAIL lines and quits with their count.
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
Check v.Index = 2 And q.Index = 3 And p.Index = 4, "Add with an Index inserts after it"
Check v.Key = "grid" And v.Appearance = 0 And v.ControlName = "Grid1", "Add's arguments from variables"
Check q.Key = "list" And q.Appearance = 0 And q.ControlName = "List1", "Add's arguments from literals"

' A setter takes a variable (passed by reference) of any type that converts, as it takes its
' value, and writes nothing back into it.
v = "Tree" : p.Name = v : Check p.Name = "Tree", "Name from a variable"
v = 0 : p.ResizeChildControl = v : Check p.ResizeChildControl = False, "ResizeChildControl from a number"
v = 0 : p.Appearance = v : Check p.Appearance = 0, "Appearance from a variable"
v = "150" : p.Minimum = v : Check p.Minimum = 150 And TypeName(v) = "String", "Minimum from a numeric text"
v = 1200 : q.Width = v : Check q.Width = 1200, "Width from a variable, got " & q.Width
v = "leaf" : p.Key = v : Check p.Key = "leaf", "Key from a variable"
' A property read given an argument indexes the array its value holds.
v = Array(10, "b") : p.Tag = v : i = 1
Check p.Tag(i) = "b" And p.Tag(0) = 10, "Tag(index) is an element of the array Tag holds"
On Error Resume Next
v = p.Tag(2) : Expect 9, "Subscript out of range", "Tag(index) beyond the array"
v = p.Tag(0, 0) : Expect 9, "Subscript out of range", "Tag with more subscripts than the array has"
On Error Goto 0
Set p.Tag = panes : Check p.Tag.Count = 4, "Tag holding an object"
v = 2 : Check panes(v).Key = "grid", "Item by a number in a variable"
v = "3" : Check panes(v).Key = "list", "Item by a numeric string in a variable"
Check panes.Item("leaf").Index = 4, "Item by a literal key"

names = ""
For Each p In panes : names = names & p.Index & " " : Next
Check names = "1 2 3 4 ", "For Each walks the panes in order, got " & names

' The errors, read back through Err.
On Error Resume Next
Set p = panes(4)
Set q = panes("LEAF") : Expect &H8004041D, "Index out of bounds.", "Item by key is exact"
v = 7 : p.Left = v : Expect &H8004041A, "Left is Read-Only at runtime.", "Left from a variable"
v = 1E12 : p.Minimum = v : Expect 6, "Overflow", "a Minimum beyond the Long range"
v = "abc" : p.Appearance = v : Expect 13, "Type mismatch", "letters for Appearance"
p.Minimum = p.Width : Set q = panes.Add() : Expect &H8004041F, "Width cannot be less than Min.", "Add splitting a pane at its minimum"
Err.Clear
On Error Goto 0

v = 2 : panes.Remove v : Check panes.Count = 3, "Remove by a variable"
panes.Remove "list" : Check panes.Count = 2 And panes(2).Key = "leaf", "Remove by a literal key"
panes.Clear : Check panes.Count = 0, "Clear"
count = 0
For Each p In panes : count = count + 1 : Next
Check count = 0, "For Each over no panes"

' The members added on _OvSplitter2, reached through the default interface.
s.SplitterKeyboard = True : Check s.SplitterKeyboard = True, "SplitterKeyboard set and read back"
v = 4 : s.SplitterIncrement = v : Check s.SplitterIncrement = 4, "SplitterIncrement from a variable"

If failures = 0 Then WScript.Echo "vbscript: all checks passed"
WScript.Quit failures
