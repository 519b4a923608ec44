VERSION 5.00
Begin VB.Form Form1
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Mail watcher"
   ClientHeight    =   1500
   ClientLeft      =   1500
   ClientTop       =   900
   ClientWidth     =   4500
   Begin QuorinSkinForVB6.TrayIcon TrayIcon1
      Left            =   3600
      Top             =   240
      ShowIcon        =   -1  'True
      IconTip         =   "Quorin Skin: 3 new messages"
   End
   Begin VB.Label Label1
      Caption         =   "The icon in the notification area reports new mail."
      Height          =   735
      Left            =   240
      TabIndex        =   0
      Top             =   240
      Width           =   3135
   End
End
