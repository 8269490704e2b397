formhost form 1
' The demo's form: a horizontal splitter holding a tree view and a vertical splitter, which
' holds a list box and an edit box, all bound by ControlName; the folders keep their width and
' fold away, the list follows its splitter live. Keys and tags show variant_text.h's notation.
Form Width 640 Height 400 Mode Run
Splitter OvSplitter1 In Form1 Rect 8,8,624,384
    BorderStyle = I4 0
    ResizeMode = I4 1
    NumPanes = I4 2
    PaneWidth1 = I4 310
    PaneControlName1 = BSTR "tree1"
    PaneName1 = BSTR "Folders"
    PaneTag1 = Array Variant (0 To 3) {I2 7, BSTR "seven", Date 2024-01-31 12:30:05, Array R8 (1 To 2) {0.1, -2.5e-300}}
    PaneMinimum1 = I4 1500
    PaneKey1 = BSTR "folders"
    PaneFixed1 = Bool True
    PaneCollapsible1 = Bool True
    PaneWidth2 = I4 310
    PaneControlName2 = BSTR "OvSplitter2"
    PaneName2 = BSTR "Ansicht \"rechts\" – ü"
    PaneTag2 = CY -1234.5600
    PaneMinimum2 = I4 150
    PaneKey2 = I4 2
End
Splitter OvSplitter2 In OvSplitter1 Rect 315,2,306,380
    BorderStyle = I4 0
    Orientation = I4 1
    LiveDrag = Bool True
    NumPanes = I4 2
    PaneHeight1 = I4 92
    PaneControlName1 = BSTR "list1"
    PaneName1 = BSTR "List"
    PaneTag1 = Decimal -79228162514264337593543950.335
    PaneMinimum1 = I4 150
    PaneKey1 = Date 45322.5000001
    PaneMaximum1 = I4 3000
    PaneCollapsible1 = Bool True
    PaneHeight2 = I4 285
    PaneControlName2 = BSTR "edit1"
    PaneName2 = BSTR "Notes\nline two"
    PaneTag2 = Array BSTR (0 To 1, 1 To 2) {"a", "b", "c", "\u0001"}
    PaneAppearance2 = I4 0
    PaneMinimum2 = I4 150
    PaneKey2 = UI1 200
End
Control tree1 Kind tree In OvSplitter1 Rect 2,2,306,380
Control list1 Kind list In OvSplitter2 Rect 2,2,302,88
Control edit1 Kind edit In OvSplitter2 Rect 0,95,306,285
