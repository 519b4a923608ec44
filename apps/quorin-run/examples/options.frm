VERSION 5.00
Begin VB.Form Form1
   BackColor       =   &H00FFFFFF&
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Options"
   ClientHeight    =   2880
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   6720
   Begin QuorinSkinForVB6.Frame Frame1
      Caption         =   " Delivery"
      Height          =   2400
      Left            =   240
      Top             =   240
      Width           =   3000
      Begin QuorinSkinForVB6.RadioButton Option1
         BackColor       =   &H00FFFFFF&
         Caption         =   "Standard post"
         Height          =   300
         Left            =   240
         Top             =   450
         Value           =   -1  'True
         Width           =   2550
      End
      Begin QuorinSkinForVB6.RadioButton Option2
         BackColor       =   &H00FFFFFF&
         Caption         =   "Express courier"
         Height          =   300
         Left            =   240
         Top             =   870
         Width           =   2550
      End
      Begin QuorinSkinForVB6.RadioButton Option3
         BackColor       =   &H00FFFFFF&
         Caption         =   "Collect in store"
         Height          =   300
         Left            =   240
         Top             =   1290
         Width           =   2550
      End
      Begin QuorinSkinForVB6.RadioButton Option4
         BackColor       =   &H00FFFFFF&
         Caption         =   "Drone (not yet)"
         Enabled         =   0   'False
         Height          =   300
         Left            =   240
         Top             =   1710
         Width           =   2550
      End
   End
   Begin QuorinSkinForVB6.Frame Frame2
      BackColor       =   &H00E8F4FF&
      Caption         =   " Payment"
      Height          =   2400
      Left            =   3480
      Top             =   240
      Width           =   3000
      Begin QuorinSkinForVB6.RadioButton Option5
         BackColor       =   &H00E8F4FF&
         Caption         =   "Card"
         Height          =   300
         Left            =   240
         Skin            =   1
         Top             =   450
         Value           =   -1  'True
         Width           =   2550
      End
      Begin QuorinSkinForVB6.RadioButton Option6
         BackColor       =   &H00E8F4FF&
         Caption         =   "Bank transfer"
         Height          =   300
         Left            =   240
         Skin            =   1
         Top             =   870
         Width           =   2550
      End
      Begin QuorinSkinForVB6.RadioButton Option7
         BackColor       =   &H00E8F4FF&
         Caption         =   "Invoice"
         Height          =   300
         Left            =   240
         Skin            =   1
         Top             =   1290
         Width           =   2550
      End
      Begin QuorinSkinForVB6.RadioButton Option8
         BackColor       =   &H00E8F4FF&
         Caption         =   "Cash (closed)"
         Enabled         =   0   'False
         Height          =   300
         Left            =   240
         Skin            =   1
         Top             =   1710
         Width           =   2550
      End
   End
End
