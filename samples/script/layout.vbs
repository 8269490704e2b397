' OvSplitter from VBScript (cscript layout.vbs): three panes for a navigation tree, a list and
' a preview. The tree keeps its width and can be folded away; the other two share every change
' of the control's size. Errors come back through Err with their number and description.
Option Explicit
Dim splitter, panes, tree, list, preview, pane
Set splitter = CreateObject("OrvaneSplitter.OvSplitter")
Set panes = splitter.Panes

' A new control has one pane; Add splits the last pane in two.
Set tree = panes(1)
tree.Name = "Folders"
tree.Key = "tree"
Set list = panes.Add(, "list")
list.Name = "Messages"
Set preview = panes.Add(, "preview")
preview.Name = "Preview"

' The layout: proportional resizing around a fixed, collapsible navigation pane.
splitter.ResizeMode = 1        ' OvResizeProportional
splitter.SplitterKeyboard = True
splitter.LiveDrag = True
tree.Fixed = True
tree.Collapsible = True
list.Minimum = 600             ' container units: twips here
list.Maximum = 6000

' A rule broken: the number and the control's own description.
On Error Resume Next
list.Maximum = 300             ' below its minimum
WScript.Echo "Maximum below Minimum: " & Hex(Err.Number) & " " & Err.Description
Err.Clear
On Error GoTo 0

' Collapsing the tree gives its room to the pane after it; restoring takes it back.
Dim before : before = list.Width
tree.Collapsed = True
WScript.Echo "Collapsed: the list grew by " & (list.Width - before) & " twips"
tree.Collapsed = False
WScript.Echo "Restored: the list is " & list.Width & " twips wide again"

For Each pane In panes
  WScript.Echo pane.Index & " " & pane.Name & " (" & pane.Key & "): " & pane.Width & " twips"
Next
WScript.Echo "Done."
