VERSION 5.00
Begin VB.Form Form1
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Buttons and bars"
   ClientHeight    =   3720
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   6360
   Begin QuorinSkinForVB6.VistaButton VistaButton1
      Height          =   915
      Left            =   240
      Top             =   240
      Width           =   1695
      Style           =   1
      Picture         =   "buttons.frx":0000
      Caption         =   "Vista"
      Enabled         =   -1  'True
   End
   Begin QuorinSkinForVB6.VistaButton VistaButton2
      Height          =   915
      Left            =   2280
      Top             =   240
      Width           =   1695
      Caption         =   "Black"
      ForeColor       =   16777215
      Enabled         =   -1  'True
      Skin            =   1
   End
   Begin QuorinSkinForVB6.VistaButton VistaButton3
      Height          =   915
      Left            =   4320
      Top             =   240
      Width           =   1695
      Caption         =   "Blue"
      ForeColor       =   16777215
      Enabled         =   -1  'True
      Skin            =   2
   End
   Begin QuorinSkinForVB6.VistaButton VistaButton4
      Height          =   915
      Left            =   240
      Top             =   1320
      Width           =   1695
      Caption         =   "Amber"
      ForeColor       =   16777215
      Enabled         =   -1  'True
      Skin            =   3
   End
   Begin QuorinSkinForVB6.VistaButton VistaButton5
      Height          =   915
      Left            =   2280
      Top             =   1320
      Width           =   1695
      Caption         =   "Office (off)"
      ForeColor       =   8421504
      Enabled         =   0   'False
      Skin            =   4
   End
   Begin QuorinSkinForVB6.VistaButton VistaButton6
      Height          =   915
      Left            =   4320
      Top             =   1320
      Width           =   1695
      Caption         =   "XP"
      Enabled         =   -1  'True
      Skin            =   5
   End
   Begin QuorinSkinForVB6.XpProgressBar XpProgressBar1
      Height          =   255
      Left            =   240
      Top             =   2520
      Width           =   5775
      Skin            =   1
   End
   Begin QuorinSkinForVB6.XpProgressBar XpProgressBar2
      Height          =   255
      Left            =   240
      Top             =   3000
      Width           =   5775
      Style           =   1
   End
End
