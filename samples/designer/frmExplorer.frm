VERSION 5.00
Object = "{C5974732-8DA5-4602-BBEA-3BC3D600F814}#1.1#0"; "OvSplitr.ocx"
Begin VB.Form frmExplorer
   Caption         =   "Explorer"
   ClientHeight    =   5400
   ClientWidth     =   8400
   Begin OrvaneSplitter.OvSplitter OvSplitter1
      Height          =   5160
      Left            =   120
      Top             =   120
      Width           =   8160
      BorderStyle     =   0
      ResizeMode      =   1
      SplitterKeyboard=   -1  'True
      NumPanes        =   2
      PaneWidth1      =   180
      PaneControlName1=   "tvwFolders"
      PaneFixed1      =   -1  'True
      PaneCollapsible1=   -1  'True
      PaneWidth2      =   357
      PaneControlName2=   "lstItems"
      Begin VB.ListBox lstItems
         Height          =   4800
         Left            =   2760
         Top             =   0
         Width           =   5355
      End
      Begin VB.ListBox tvwFolders
         Height          =   4800
         Left            =   0
         Top             =   0
         Width           =   2700
      End
   End
End
Attribute VB_Name = "frmExplorer"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
' A form with a folder list, an item list and the splitter between them (the controls are
' bound to their panes by ControlName above). The folder pane keeps its width as the form is
' resized, folds away with a double click on the splitter (or Enter on it, once focused with
' Tab), and the status line follows every change.
Option Explicit

Private Sub Form_Load()
    Dim folders As OvPane
    Set folders = OvSplitter1.Panes(1)
    folders.Minimum = 1500
    folders.Maximum = 4500
    OvSplitter1.SplitterIncrement = 8
    OvSplitter1.LiveDrag = True
    tvwFolders.AddItem "Inbox"
    tvwFolders.AddItem "Archive"
    ShowWidths
End Sub

Private Sub Form_Resize()
    If Me.WindowState = 1 Then Exit Sub
    OvSplitter1.Move 120, 120, Me.ScaleWidth - 240, Me.ScaleHeight - 240
End Sub

Private Sub OvSplitter1_SplitterResize(Pane1 As OvPane, Pane2 As OvPane)
    ShowWidths
End Sub

Private Sub OvSplitter1_PaneCollapsedChanged(Pane As OvPane)
    If Pane.Collapsed Then
        Me.Caption = "Explorer - " & Pane.Name & " folded away"
    Else
        Me.Caption = "Explorer"
    End If
End Sub

Private Sub ShowWidths()
    Dim pane As OvPane
    Dim text As String
    For Each pane In OvSplitter1.Panes
        text = text & pane.Name & ": " & pane.Width & "  "
    Next
    lstItems.Clear
    lstItems.AddItem Trim(text)
End Sub
