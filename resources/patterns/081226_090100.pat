[Info]
name=Night glass
Date=08.12.2026 09:01
[Window]
Style=0
UColor=1
Color=7027230
Transparent=230
Ico=0
[Text]
ColorShadow=0
font=Verdana
Size=8
Color=16777215
UShadow=1
Align=0
[TextC]
font=Verdana
Color=3855615
UShadow=1
