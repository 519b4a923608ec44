VERSION 5.00
Begin VB.Form Form1
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Tabs"
   ClientHeight    =   3000
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   5400
   Begin QuorinSkinForVB6.XPTabstrip XPTabstrip1
      Left            =   240
      Top             =   240
      Width           =   4920
      Height          =   2520
      Alignment       =   0
      TabHeight       =   22
      BackColor       =   16771288
      BackColorScroll =   13160660
      ForeColor       =   0
      ForeColorActive =   9982008
      ForeColorHot    =   16711680
      ForeColorDisabled =   10528940
      FrameColor      =   10528940
      ScrollArrowColor =   9213080
      MaskColor       =   16711935
      TabHotStripColor =   2658536
      SelectedTab     =   2
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name            =   "MS Sans Serif"
         Size            =   10
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      NumberOfTabs    =   3
      AutoSize1       =   -1  'True
      TabWidth1       =   60
      TabText1        =   "&Mail"
      TabEnabled1     =   -1  'True
      AutoSize2       =   0   'False
      TabWidth2       =   90
      TabText2        =   "&Contacts"
      TabEnabled2     =   -1  'True
      AutoSize3       =   -1  'True
      TabWidth3       =   60
      TabText3        =   "Notes"
      TabEnabled3     =   0   'False
   End
End
