VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   7650
   ClientLeft      =   120
   ClientTop       =   465
   ClientWidth     =   11925
   LinkTopic       =   "Form1"
   ScaleHeight     =   7650
   ScaleWidth      =   11925
   StartUpPosition =   3  'Windows Default
   WindowState     =   2  'Maximized
   Begin VB.Timer Timer1 
      Enabled         =   0   'False
      Interval        =   500
      Left            =   9480
      Top             =   5280
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Launch"
      Height          =   495
      Left            =   6720
      TabIndex        =   1
      Top             =   9720
      Width           =   1215
   End
   Begin VB.PictureBox Picture1 
      Height          =   3375
      Left            =   6240
      ScaleHeight     =   3315
      ScaleWidth      =   1875
      TabIndex        =   0
      Top             =   6120
      Width           =   1935
   End
End
Attribute VB_Name = "Form1"
