formhost form 1
' An explorer: folders on the left that keep their width and fold away with a double click on
' the splitter, and on the right a list above a preview that share every change of size.
Form Width 720 Height 480 Mode Run
Splitter Main In Form1 Rect 8,8,704,464
    BorderStyle = I4 0
    ResizeMode = I4 1
    SplitterKeyboard = Bool True
    NumPanes = I4 2
    PaneWidth1 = I4 200
    PaneControlName1 = BSTR "folders"
    PaneName1 = BSTR "Folders"
    PaneFixed1 = Bool True
    PaneCollapsible1 = Bool True
    PaneWidth2 = I4 497
    PaneControlName2 = BSTR "Right"
    PaneName2 = BSTR "Items"
End
Splitter Right In Main Rect 205,2,497,460
    BorderStyle = I4 0
    Orientation = I4 1
    ResizeMode = I4 1
    LiveDrag = Bool True
    NumPanes = I4 2
    PaneHeight1 = I4 200
    PaneControlName1 = BSTR "items"
    PaneName1 = BSTR "List"
    PaneHeight2 = I4 257
    PaneControlName2 = BSTR "preview"
    PaneName2 = BSTR "Preview"
    PaneCollapsible2 = Bool True
End
Control folders Kind tree In Main Rect 2,2,196,460
Control items Kind list In Right Rect 2,2,493,196
Control preview Kind edit In Right Rect 2,205,493,253
