VERSION 5.00
Begin VB.Form Form2
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Another window"
   ClientHeight    =   1200
   ClientLeft      =   9600
   ClientTop       =   6600
   ClientWidth     =   3600
   Begin VB.Label Label1
      Caption         =   "This window is active; the mail form shows its inactive look."
      Height          =   735
      Left            =   240
      TabIndex        =   0
      Top             =   240
      Width           =   3135
      WordWrap        =   -1  'True
   End
End
