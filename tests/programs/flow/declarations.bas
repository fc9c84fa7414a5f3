DEFINT A-C, X
a=1.7: x=4.5: d=1.5
PRINT a; x; d
DIM t(2, 3), n$(2)
t(2, 3)=7: n$(2)="n"
PRINT t(2, 3); t(0, 0); n$(2)
p=5: q=6: SWAP p, q: PRINT p; q
s$="abcdef": MID$(s$, 1, 3)="x": PRINT s$
s$="abcdef": MID$(s$, 1)="x": PRINT s$
