VERSION 5.00
Begin VB.Form Form1
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Hello"
   ClientHeight    =   2100
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   4200
   Begin VB.CommandButton Command1
      Caption         =   "&Greet"
      Height          =   450
      Left            =   2640
      TabIndex        =   1
      Top             =   1440
      Width           =   1335
   End
   Begin VB.Label Label1
      Caption         =   "Press the button to say hello."
      Height          =   495
      Left            =   240
      TabIndex        =   0
      Top             =   240
      Width           =   3735
   End
   Begin VB.Menu mnuFile
      Caption         =   "&File"
      Tag             =   "CBS"
      Begin VB.Menu mnuExit
         Caption         =   "E&xit"
      End
   End
End
