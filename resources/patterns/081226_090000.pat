[Info]
name=Sunny note
Date=08.12.2026 09:00
[Window]
Style=2
UColor=1
Color=4245744
Transparent=255
Ico=1
[Text]
ColorShadow=11596799
font=Tahoma
Size=10
Color=1059635
UShadow=0
Align=0
[TextC]
font=Tahoma
Color=1059635
UShadow=0
