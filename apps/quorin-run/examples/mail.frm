VERSION 5.00
Begin VB.Form Form1
   BorderStyle     =   2  'Sizable
   Caption         =   "Quorin Mail"
   ClientHeight    =   4215
   ClientLeft      =   1500
   ClientTop       =   1200
   ClientWidth     =   6480
   Begin QuorinSkinForVB6.QuorinSkin QuorinSkin1
      Height          =   4905
      Left            =   0
      Top             =   0
      Width           =   6600
      Caption         =   "Quorin Mail"
   End
   Begin VB.TextBox Text1
      Height          =   2295
      Left            =   300
      TabIndex        =   1
      Text            =   "Dear team, the skinned form is ready for review."
      Top             =   1260
      Width           =   5955
   End
   Begin VB.TextBox Text2
      Height          =   315
      Left            =   300
      TabIndex        =   0
      Text            =   "team@example.com"
      Top             =   900
      Width           =   5955
   End
   Begin VB.CommandButton Command1
      Caption         =   "&Send"
      Height          =   375
      Left            =   5040
      TabIndex        =   2
      Top             =   3720
      Width           =   1215
   End
   Begin VB.CheckBox Check1
      Caption         =   "&Keep a copy"
      Height          =   315
      Left            =   300
      TabIndex        =   3
      Top             =   3750
      Width           =   2000
   End
   Begin VB.Menu mnuFile
      Caption         =   "&File"
      Tag             =   "CBS"
      Begin VB.Menu mnuNew
         Caption         =   "&New message"
      End
      Begin VB.Menu mnuSep
         Caption         =   "-"
      End
      Begin VB.Menu mnuExit
         Caption         =   "E&xit"
      End
   End
   Begin VB.Menu mnuHelp
      Caption         =   "&Help"
      Tag             =   "cbs"
      Begin VB.Menu mnuAbout
         Caption         =   "&About"
      End
   End
End
